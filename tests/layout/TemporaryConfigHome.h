#pragma once
// Test helper: points XDG_CONFIG_HOME at a fresh folder for the whole run, so no test reads or
// writes the user's settings, and puts the variable back at the end. It must exist before the
// application object, since QSettings fixes its folders on first use.

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>
#include <QTest>

class TemporaryConfigHome {
public:
    TemporaryConfigHome() : hadOld_(qEnvironmentVariableIsSet(kName)), old_(qgetenv(kName)) {
        qputenv(kName, folder_.path().toLocal8Bit());
    }
    ~TemporaryConfigHome() {
        if (hadOld_) {
            qputenv(kName, old_);
        } else {
            qunsetenv(kName);
        }
    }
    TemporaryConfigHome(const TemporaryConfigHome&) = delete;
    TemporaryConfigHome& operator=(const TemporaryConfigHome&) = delete;

private:
    static constexpr const char* kName = "XDG_CONFIG_HOME";
    QTemporaryDir folder_;
    bool hadOld_;
    QByteArray old_;
};

#define QMX_LAYOUT_TEST_MAIN(TestClass)                                                            \
    int main(int argc, char** argv) {                                                              \
        const TemporaryConfigHome configHome;                                                      \
        QApplication application(argc, argv);                                                      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
