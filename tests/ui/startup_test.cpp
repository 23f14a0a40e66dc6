#include "layout/DlgItem.h"
#include "layout/PlacementSettings.h"
#include "layout/TemporaryConfigHome.h"
#include "resources/ActiveLanguage.h"
#include "resources/FindTemplate.h"
#include "resources/LoadText.h"
#include "ui/AppTitle.h"
#include "ui/CQMXReaderApp.h"
#include "ui/CQMXReaderDlg.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <array>
#include <optional>

namespace {

constexpr int IDOK = 1;
constexpr int kEncryptButton = 1008;
constexpr std::uint16_t kEnglish = 0x0409;
constexpr std::uint16_t kGerman = 0x0407;
constexpr std::uint16_t kFrench = 0x040C;
constexpr std::uint16_t kJapanese = 0x0411;

// The session's locale for one test, put back afterwards.
class SessionLocale {
public:
    explicit SessionLocale(const QByteArray& lang) {
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            saved_[i] = qEnvironmentVariableIsSet(kNames[i])
                            ? std::optional<QByteArray>(qgetenv(kNames[i]))
                            : std::nullopt;
            qunsetenv(kNames[i]);
        }
        qputenv("LANG", lang);
    }
    ~SessionLocale() {
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            if (saved_[i]) {
                qputenv(kNames[i], *saved_[i]);
            } else {
                qunsetenv(kNames[i]);
            }
        }
    }
    SessionLocale(const SessionLocale&) = delete;
    SessionLocale& operator=(const SessionLocale&) = delete;

private:
    static constexpr std::array<const char*, 4> kNames{"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::array<std::optional<QByteArray>, 4> saved_;
};

QString SettingsFile(const QString& title) {
    return QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("Brellic/" + title + ".conf");
}

void StoreLangId(const QString& title, int langId) {
    QDir().mkpath(QFileInfo(SettingsFile(title)).path());
    QFile file(SettingsFile(title));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray("[Localisation]\nLangID=") + QByteArray::number(langId) + "\n");
}

QString TemplateCaption(std::uint16_t langId, int controlId) {
    const DialogTemplate* dialog = FindDialogTemplate(102, langId);
    const DialogControl* control = dialog != nullptr ? FindControl(*dialog, controlId) : nullptr;
    return control != nullptr ? QString::fromUtf8(control->text.data(),
                                                  static_cast<qsizetype>(control->text.size()))
                              : QString();
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Brellic").removeRecursively();
        SetActiveLanguage(kEnglish);
    }

    void languageAndTitle_data() {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("storedUnder"); // empty: no settings at all
        QTest::addColumn<int>("storedLangId");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("language");
        QTest::newRow("no LangID")
            << QByteArray("en_US.UTF-8") << QString() << 0 << "Quiralis Reader" << int(kEnglish);
        QTest::newRow("LangID of the default")
            << QByteArray("en_US.UTF-8") << "Quiralis Reader" << int(kEnglish) << "Quiralis Reader"
            << int(kEnglish);
        QTest::newRow("German on English") << QByteArray("en_US.UTF-8") << "Quiralis Reader"
                                           << int(kGerman) << "Quiralis Reader" << int(kGerman);
        QTest::newRow("French title") << QByteArray("fr_FR.UTF-8") << QString() << 0
                                      << "Visionneuse Quiralis" << int(kFrench);
        QTest::newRow("French, LangID only under the English title")
            << QByteArray("fr_FR.UTF-8") << "Quiralis Reader" << int(kGerman)
            << "Visionneuse Quiralis" << int(kFrench);
        QTest::newRow("German on Japanese, under the Japanese title")
            << QByteArray("ja_JP.UTF-8") << QString::fromUtf8("Quiralis リーダー") << int(kGerman)
            << QString::fromUtf8("Quiralis リーダー") << int(kGerman);
    }

    void languageAndTitle() {
        QFETCH(QByteArray, locale);
        QFETCH(QString, storedUnder);
        QFETCH(int, storedLangId);
        QFETCH(QString, title);
        QFETCH(int, language);
        const SessionLocale session(locale);
        if (!storedUnder.isEmpty()) {
            StoreLangId(storedUnder, storedLangId);
        }
        CQMXReaderApp app;
        app.InitSettingsAndLanguage();
        QCOMPARE(ApplicationTitle(), title);
        QCOMPARE(QCoreApplication::applicationName(), title);
        QCOMPARE(QCoreApplication::organizationName(), QString("Brellic"));
        QCOMPARE(PlacementApplicationTitle(), title);
        QCOMPARE(QSettings().fileName(), SettingsFile(title));
        QCOMPARE(int(ActiveLanguage()), language);
        QCOMPARE(LoadText(116), LoadText(116, static_cast<std::uint16_t>(language)));
        QCOMPARE(QFile::exists(SettingsFile(title)), storedUnder == title);
    }

    void runsTheMainWindowInTheChosenLanguageUntilItCloses() {
        const SessionLocale session("en_US.UTF-8");
        StoreLangId("Quiralis Reader", kGerman);
        QString encryptCaption;
        QTimer::singleShot(0, [&encryptCaption] {
            auto* window = qobject_cast<CQMXReaderDlg*>(QApplication::activeModalWidget());
            QVERIFY(window != nullptr);
            encryptCaption = GetDlgItemAs<QPushButton>(*window, kEncryptButton)->text();
            QTest::mouseClick(GetDlgItem(*window, IDOK), Qt::LeftButton);
        });
        CQMXReaderApp app;
        QCOMPARE(app.InitInstance(), false);
        QCOMPARE(encryptCaption, TemplateCaption(kGerman, kEncryptButton));
        QVERIFY(encryptCaption != TemplateCaption(kEnglish, kEncryptButton));
        QSettings settings;
        QCOMPARE(settings.value("Localisation/LangID").toInt(), int(kGerman));
        QVERIFY(settings.childGroups().contains("WindowPositions"));
    }
};

QMX_LAYOUT_TEST_MAIN(StartupTest)
#include "startup_test.moc"
