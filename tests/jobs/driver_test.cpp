#include "ScriptedInteraction.h"
#include "container/DecryptFile.h"
#include "jobs/CFileJobDriver.h"
#include "jobs/JobCodes.h"
#include "platform/FileFaults.h"

#include <QTest>
#include <vector>

namespace {

const QByteArray kPlain = "The plain text of a dropped file.\n";
const QByteArray kOld = "An existing output that must survive.\n";

const QString kEncryptFiles = "prompt+confirm: Enter a password to encrypt files with.";

QString Showing(int mode, const QString& path) {
    return QString("display %1 0: <dir>/%2").arg(mode).arg(path);
}

QString Run(int mode, const QString& source, const QString& output, const QString& password) {
    return QString("run %1: <dir>/%2 -> <dir>/%3 with %4").arg(mode).arg(source, output, password);
}

QString DecryptPrompt(const QString& source) {
    return QString("prompt: Enter password to decrypt file \"<dir>/%1\" with.").arg(source);
}

QString WrongPasswordError(const QString& source) {
    return QString("error: File \"<dir>/%1\" could not be decrypted because the password is "
                   "incorrect.(0x0000000C)\n")
        .arg(source);
}

QString ReplaceQuestion(const QString& output) {
    return QString("yes/no: File \"<dir>/%1\" already exists.\n\nDo you want to replace it?")
        .arg(output);
}

QStringList Filtered(const QStringList& transcript, const QString& kind) {
    QStringList lines;
    for (const QString& line : transcript) {
        if (line.startsWith(kind)) {
            lines << line;
        }
    }
    return lines;
}

// Decrypts a container the batch made, to show which password its job used.
QByteArray Opened(const TestFolder& folder, const QString& name, const std::string& password) {
    struct : ProgressSink {
        std::uint32_t ReportProgress(std::uint32_t, std::uint32_t) override { return 0; }
    } sink;
    const std::string opened = folder.PathOf(name + ".opened");
    if (DecryptFile(folder.PathOf(name), opened, &password, sink) != RC_OK) {
        return "<not opened>";
    }
    return folder.Read(name + ".opened");
}

std::vector<std::string> PathsOf(const TestFolder& folder, const QStringList& names) {
    std::vector<std::string> paths;
    for (const QString& name : names) {
        paths.push_back(folder.PathOf(name));
    }
    return paths;
}

} // namespace

class DriverTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void directionRule_data();
    void directionRule();
    void threeFilesInDropOrderOnePrompt();
    void encryptionPrompt_data();
    void encryptionPrompt();
    void sourcePathLength_data();
    void sourcePathLength();
    void containersWithDifferentPasswords();
    void wrongFirstPassword();
    void existingOutput_data();
    void existingOutput();
    void outputThatCannotBeReplaced_data();
    void outputThatCannotBeReplaced();
    void cancelDuringSecondOfThree();
    void summary_data();
    void summary();

private:
    void RunBatch(const QStringList& names) {
        CFileJobDriver driver(*m_host);
        driver.OnStartJobs(PathsOf(*m_folder, names));
    }

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedInteraction> m_host;
};

void DriverTest::init() {
    m_folder = std::make_unique<TestFolder>();
    QVERIFY(m_folder->IsUsable());
    m_host = std::make_unique<ScriptedInteraction>(m_folder->Path());
}

void DriverTest::cleanup() {
    m_host.reset();
    m_folder.reset();
}

void DriverTest::directionRule_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("output");
    QTest::newRow("upper case") << "report.QMX" << JOB_DECRYPT << "report";
    QTest::newRow("mixed case") << "report.Qmx" << JOB_DECRYPT << "report";
    QTest::newRow("four-character prefix") << "report.qmxold" << JOB_DECRYPT << "report";
    QTest::newRow("another last extension")
        << "report.qmx.txt" << JOB_ENCRYPT << "report.qmx.txt.qmx";
    QTest::newRow("inside a folder data.qmx") << "data.qmx/notes" << JOB_DECRYPT << "data";
    QTest::newRow("no '.' at all") << "notes" << JOB_ENCRYPT << "notes.qmx";
}

void DriverTest::directionRule() {
    QFETCH(QString, source);
    QFETCH(int, operation);
    QFETCH(QString, output);
    if (operation == JOB_DECRYPT) {
        QVERIFY(!m_folder->WriteContainer(source, kPlain, "pw").empty());
    } else {
        m_folder->Write(source, kPlain);
    }
    RunBatch({source});
    QCOMPARE(Filtered(m_host->transcript, "run"),
             QStringList{Run(operation, source, output, "pw")});
    QCOMPARE(Filtered(m_host->transcript, "error"), QStringList{});
    if (operation == JOB_DECRYPT) {
        QCOMPARE(m_folder->Read(output), kPlain);
    } else {
        QCOMPARE(Opened(*m_folder, output, "pw"), kPlain);
    }
}

void DriverTest::threeFilesInDropOrderOnePrompt() {
    for (const QString name : {"a.txt", "b.txt", "c.txt"}) {
        m_folder->Write(name, kPlain + name.toUtf8());
    }
    m_host->passwords = {"secret"};
    RunBatch({"c.txt", "a.txt", "b.txt"});
    const QStringList expected{kEncryptFiles,
                               Showing(JOB_ENCRYPT, "c.txt.qmx"),
                               Run(JOB_ENCRYPT, "c.txt", "c.txt.qmx", "secret"),
                               Showing(JOB_ENCRYPT, "a.txt.qmx"),
                               Run(JOB_ENCRYPT, "a.txt", "a.txt.qmx", "secret"),
                               Showing(JOB_ENCRYPT, "b.txt.qmx"),
                               Run(JOB_ENCRYPT, "b.txt", "b.txt.qmx", "secret"),
                               "info: 3 files encrypted successfully."};
    QCOMPARE(m_host->transcript, expected);
    QCOMPARE(Opened(*m_folder, "b.txt.qmx", "secret"), kPlain + "b.txt");
}

void DriverTest::encryptionPrompt_data() {
    QTest::addColumn<QStringList>("drop");
    QTest::addColumn<QList<bool>>("confirmed"); // per prompt: OK or Cancel
    QTest::addColumn<QStringList>("expected");
    const QString folderError = "error: Error. Encryption/Decryption of folders is not supported.";
    QTest::newRow("one file: its name")
        << QStringList{"a.txt"} << QList<bool>{true}
        << QStringList{"prompt+confirm: Enter a password to encrypt "
                       "file \"<dir>/a.txt\" with.",
                       Showing(JOB_ENCRYPT, "a.txt.qmx"),
                       Run(JOB_ENCRYPT, "a.txt", "a.txt.qmx", "pw"),
                       "info: File encrypted as \"<dir>/a.txt.qmx\"."};
    QTest::newRow("a folder counts too")
        << QStringList{"folder", "a.txt"} << QList<bool>{true}
        << QStringList{folderError, kEncryptFiles, Showing(JOB_ENCRYPT, "a.txt.qmx"),
                       Run(JOB_ENCRYPT, "a.txt", "a.txt.qmx", "pw"),
                       "info: File encrypted as \"<dir>/a.txt.qmx\"."};
    QTest::newRow("cancelled prompt: the next file asks again")
        << QStringList{"a.txt", "b.txt"} << QList<bool>{false, true}
        << QStringList{kEncryptFiles, kEncryptFiles, Showing(JOB_ENCRYPT, "b.txt.qmx"),
                       Run(JOB_ENCRYPT, "b.txt", "b.txt.qmx", "pw"),
                       "info: File encrypted as \"<dir>/b.txt.qmx\"."};
}

void DriverTest::encryptionPrompt() {
    QFETCH(QStringList, drop);
    QFETCH(QList<bool>, confirmed);
    QFETCH(QStringList, expected);
    QVERIFY(QDir().mkpath(QString::fromStdString(m_folder->PathOf("folder"))));
    m_folder->Write("a.txt", kPlain);
    m_folder->Write("b.txt", kPlain);
    for (const bool ok : confirmed) {
        m_host->passwords.push_back(ok ? std::optional<std::string>("pw") : std::nullopt);
    }
    RunBatch(drop);
    QCOMPARE(m_host->transcript, expected);
}

void DriverTest::sourcePathLength_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("encrypted");
    QTest::newRow("255 characters") << 255 << true;
    QTest::newRow("256 characters") << 256 << false;
}

void DriverTest::sourcePathLength() {
    QFETCH(int, length);
    QFETCH(bool, encrypted);
    // "é" is two bytes and one code unit, the face four bytes and two code units.
    const QString marks = QString::fromUtf8("\xC3\xA9\xF0\x9F\x98\x80");
    const qsizetype fill = length - (m_folder->Path().size() + 1) - marks.size() - 4;
    const QString name = QString(fill, 'n') + marks + ".txt";
    QCOMPARE(m_folder->Path().size() + 1 + name.size(), length);
    m_folder->Write(name, kPlain);
    m_folder->Write("later.txt", kPlain);
    RunBatch({name, "later.txt"});
    if (encrypted) {
        QCOMPARE(Opened(*m_folder, name + ".qmx", "pw"), kPlain);
        QCOMPARE(m_host->transcript.last(), QString("info: 2 files encrypted successfully."));
        return;
    }
    const QString refused = "error: Error. The source path is too long to add the \".qmx\" "
                            "extension.\n\n(\"<dir>/" +
                            name + "\")";
    QCOMPARE(m_host->transcript, QStringList{refused});
    QCOMPARE(m_folder->Entries(), QStringList({"later.txt", name}));
}

// b exists already: the silent retry with the prompted password does not ask about it again.
void DriverTest::containersWithDifferentPasswords() {
    QVERIFY(!m_folder->WriteContainer("a.qmx", kPlain + "a", "alpha").empty());
    QVERIFY(!m_folder->WriteContainer("b.qmx", kPlain + "b", "beta").empty());
    m_folder->Write("b", kOld);
    m_host->passwords = {"alpha", "beta"};
    RunBatch({"a.qmx", "b.qmx"});
    const QStringList expected{DecryptPrompt("a.qmx"),
                               Showing(JOB_DECRYPT, "a"),
                               Run(JOB_DECRYPT, "a.qmx", "a", "alpha"),
                               Showing(JOB_DECRYPT, "b"),
                               ReplaceQuestion("b"),
                               Run(JOB_DECRYPT, "b.qmx", "b", "alpha"),
                               DecryptPrompt("b.qmx"),
                               Showing(JOB_DECRYPT, "b"),
                               Run(JOB_DECRYPT, "b.qmx", "b", "beta"),
                               "info: 2 files decrypted successfully."};
    QCOMPARE(m_host->transcript, expected);
    QCOMPARE(m_folder->Read("b"), kPlain + "b");
}

void DriverTest::wrongFirstPassword() {
    QVERIFY(!m_folder->WriteContainer("a.qmx", kPlain, "alpha").empty());
    QVERIFY(!m_folder->WriteContainer("b.qmx", kPlain, "beta").empty());
    m_host->passwords = {"wrong", "beta"};
    RunBatch({"a.qmx", "b.qmx"});
    const QStringList expected{DecryptPrompt("a.qmx"),
                               Showing(JOB_DECRYPT, "a"),
                               Run(JOB_DECRYPT, "a.qmx", "a", "wrong"),
                               WrongPasswordError("a.qmx"),
                               Showing(JOB_DECRYPT, "b"),
                               Run(JOB_DECRYPT, "b.qmx", "b", "wrong"),
                               DecryptPrompt("b.qmx"),
                               Showing(JOB_DECRYPT, "b"),
                               Run(JOB_DECRYPT, "b.qmx", "b", "beta"),
                               "info: File decrypted as \"<dir>/b\"."};
    QCOMPARE(m_host->transcript, expected);
    QVERIFY(!QFile::exists(QString::fromStdString(m_folder->PathOf("a"))));
}

// report.qmx decrypts onto an existing report.
void DriverTest::existingOutput_data() {
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("unreadable");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("empty: replaced unasked")
        << QByteArray() << false << false << true << "pw" << false << false << true;
    QTest::newRow("read-only: replaced after Yes")
        << kOld << true << false << true << "pw" << false << true << true;
    QTest::newRow("No: untouched")
        << kOld << false << false << false << "pw" << false << true << false;
    QTest::newRow("unreadable: still asked")
        << kOld << false << true << false << "pw" << false << true << false;
    QTest::newRow("Yes, wrong password: kept")
        << kOld << false << false << true << "wrong" << false << true << false;
    QTest::newRow("read-only, Yes, wrong password: kept read-only")
        << kOld << true << false << true << "wrong" << false << true << false;
    QTest::newRow("Yes, cancelled: kept")
        << kOld << false << false << true << "pw" << true << true << false;
    QTest::newRow("empty, wrong password: kept")
        << QByteArray() << false << false << true << "wrong" << false << false << false;
}

void DriverTest::existingOutput() {
    QFETCH(QByteArray, existing);
    QFETCH(bool, readOnly);
    QFETCH(bool, unreadable);
    QFETCH(bool, yes);
    QFETCH(QString, password);
    QFETCH(bool, cancel);
    QFETCH(bool, asked);
    QFETCH(bool, replaced);
    QVERIFY(!m_folder->WriteContainer("report.qmx", kPlain, "pw").empty());
    const QString output = QString::fromStdString(m_folder->Write("report", existing));
    if (readOnly) {
        QVERIFY(QFile::setPermissions(output, QFile::ReadOwner | QFile::ReadGroup));
    }
    const QFile::Permissions before = QFile::permissions(output);
    m_host->passwords = {password.toStdString()};
    m_host->answers = {yes};
    m_host->cancelBeforeRun = cancel ? 1 : 0;
    {
        // Every open fails: an output that only cannot be read is no free path.
        std::optional<ScopedFileFaults> faults;
        if (unreadable) {
            faults.emplace(std::vector<FileFault>{{FileOperation::Open, 1, 0}});
        }
        RunBatch({"report.qmx"});
    }
    QCOMPARE(m_host->transcript.contains(ReplaceQuestion("report")), asked);
    QCOMPARE(Filtered(m_host->transcript, "run").size(), yes ? 1 : 0);
    QCOMPARE(m_folder->Read("report"), replaced ? kPlain : existing);
    if (!replaced) {
        QCOMPARE(QFile::permissions(output), before);
    }
    QCOMPARE(m_folder->Entries(), QStringList({"report", "report.qmx"}));
}

void DriverTest::outputThatCannotBeReplaced_data() {
    QTest::addColumn<bool>("retry");
    QTest::newRow("Retry, then replaced") << true;
    QTest::newRow("Cancel: skipped") << false;
}

void DriverTest::outputThatCannotBeReplaced() {
    QFETCH(bool, retry);
    QVERIFY(!m_folder->WriteContainer("report.qmx", kPlain, "pw").empty());
    m_folder->Write("report", kOld);
    m_host->answers = {true, retry};
    {
        // The first new file beside the output cannot be made, as in a folder without write access.
        const ScopedFileFaults faults({{FileOperation::Create, 1}});
        RunBatch({"report.qmx"});
    }
    const QString problem = "retry/cancel: There was a problem deleting file <dir>/report.";
    QCOMPARE(Filtered(m_host->transcript, "retry"), QStringList{problem});
    QCOMPARE(Filtered(m_host->transcript, "run").size(), retry ? 1 : 0);
    QCOMPARE(m_folder->Read("report"), retry ? kPlain : kOld);
}

void DriverTest::cancelDuringSecondOfThree() {
    for (const QString name : {"a.txt", "b.txt", "c.txt"}) {
        m_folder->Write(name, kPlain);
    }
    m_host->cancelBeforeRun = 2;
    RunBatch({"a.txt", "b.txt", "c.txt"});
    const QStringList expected{kEncryptFiles, Showing(JOB_ENCRYPT, "a.txt.qmx"),
                               Run(JOB_ENCRYPT, "a.txt", "a.txt.qmx", "pw"),
                               Showing(JOB_ENCRYPT, "b.txt.qmx"),
                               Run(JOB_ENCRYPT, "b.txt", "b.txt.qmx", "pw")};
    QCOMPARE(m_host->transcript, expected);
    // Nothing half-written is left, hidden files included: the job had ended when the batch did.
    QCOMPARE(m_folder->Entries(), QStringList({"a.txt", "a.txt.qmx", "b.txt", "c.txt"}));
    QCOMPARE(Opened(*m_folder, "a.txt.qmx", "pw"), kPlain);
}

void DriverTest::summary_data() {
    QTest::addColumn<QStringList>("drop");
    QTest::addColumn<QStringList>("expected"); // the errors and the summary
    QTest::newRow("nothing dropped") << QStringList{} << QStringList{};
    QTest::newRow("only a folder") << QStringList{"folder"}
                                   << QStringList{"error: Error. Encryption/Decryption of "
                                                  "folders is not supported."};
    QTest::newRow("only a failure")
        << QStringList{"empty.txt"}
        << QStringList{"error: File \"<dir>/empty.txt\" could not be encrypted because the "
                       "source file is empty.(0x00000053)\n"};
    QTest::newRow("one encrypted") << QStringList{"a.txt", "empty.txt"}
                                   << QStringList{"error: File \"<dir>/empty.txt\" could not be "
                                                  "encrypted because the source file is "
                                                  "empty.(0x00000053)\n",
                                                  "info: File encrypted as \"<dir>/a.txt.qmx\"."};
    QTest::newRow("two encrypted")
        << QStringList{"a.txt", "b.txt"} << QStringList{"info: 2 files encrypted successfully."};
    QTest::newRow("one decrypted")
        << QStringList{"c.qmx"} << QStringList{"info: File decrypted as \"<dir>/c\"."};
    QTest::newRow("two decrypted")
        << QStringList{"c.qmx", "d.qmx"} << QStringList{"info: 2 files decrypted successfully."};
    QTest::newRow("one of each") << QStringList{"a.txt", "c.qmx"}
                                 << QStringList{"info: 2 files processed successfully."};
}

void DriverTest::summary() {
    QFETCH(QStringList, drop);
    QFETCH(QStringList, expected);
    QVERIFY(QDir().mkpath(QString::fromStdString(m_folder->PathOf("folder"))));
    m_folder->Write("a.txt", kPlain);
    m_folder->Write("b.txt", kPlain);
    m_folder->Write("empty.txt", {});
    QVERIFY(!m_folder->WriteContainer("c.qmx", kPlain, "pw").empty());
    QVERIFY(!m_folder->WriteContainer("d.qmx", kPlain, "pw").empty());
    RunBatch(drop);
    QStringList shown = Filtered(m_host->transcript, "error");
    shown << Filtered(m_host->transcript, "info");
    QCOMPARE(shown, expected);
}

QTEST_MAIN(DriverTest)
#include "driver_test.moc"
