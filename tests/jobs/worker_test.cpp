#include "container/EncryptFile.h"
#include "jobs/AutoResetEvent.h"
#include "jobs/CWorkingProgressDlgThread.h"
#include "jobs/JobCodes.h"
#include "jobs/JobDisplay.h"
#include "jobs/RunJob.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

namespace {

// An operation that only reports; the plain files of the container are not needed here.
FileJobOperation Reporting(std::function<ResultCode(ProgressSink&)> body) {
    return [body = std::move(body)](const std::string&, const std::string&, const std::string*,
                                    ProgressSink& sink) { return body(sink); };
}

} // namespace

class WorkerTest : public QObject {
    Q_OBJECT
private slots:
    void progressArithmetic_data();
    void progressArithmetic();
    void decryptionShowsInitialisingUntilNonZero_data();
    void decryptionShowsInitialisingUntilNonZero();
    void eventCollapsesSignals();
    void pendingCancelEndsNextReport();
    void runJobShowsProgressOfRunningJob();
    void runJobReturnsOnlyAfterCancelledWorkerFinished();
    void runJobRunsTheContainerOperation();
    void unknownOperationRunsNothing();
};

void WorkerTest::progressArithmetic_data() {
    QTest::addColumn<quint32>("total");
    QTest::addColumn<quint32>("done");
    QTest::addColumn<int>("thousandths");
    QTest::newRow("nothing to do") << 0u << 0u << 0;
    QTest::newRow("total 0, done counted") << 0u << 7u << 0;
    QTest::newRow("done = total") << 1310700u << 1310700u << 1000;
    QTest::newRow("truncated, not rounded") << 3u << 2u << 666;
    QTest::newRow("below one thousandth") << 4000000000u << 3999999u << 0;
    QTest::newRow("past 2^31, half") << 0xFFFFFFFEu << 0x7FFFFFFFu << 500;
    QTest::newRow("past 2^31, nearly done") << 0xFFFFFF08u << 0xFFFFFF07u << 999;
    QTest::newRow("past 2^31, done") << 0xFFFFFF08u << 0xFFFFFF08u << 1000;
    QTest::newRow("done past total stays in range") << 1u << 0xFFFFFFFFu << 1000;
}

void WorkerTest::progressArithmetic() {
    QFETCH(quint32, total);
    QFETCH(quint32, done);
    QFETCH(int, thousandths);
    AutoResetEvent cancel;
    CWorkingProgressDlgThread worker(cancel, JOB_ENCRYPT, "in", "out", "pw");
    QCOMPARE(worker.ReportProgress(total, done), 0u);
    QCOMPARE(worker.Progress(), thousandths);
    QCOMPARE(worker.State(), JOB_ENCRYPT);
    QVERIFY(worker.ProgressEvent().TryWait());
}

void WorkerTest::decryptionShowsInitialisingUntilNonZero_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<quint32>("total");
    QTest::addColumn<quint32>("done");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("cancelEnabled");
    QTest::addColumn<bool>("showBar");
    QTest::newRow("decryption's first report")
        << JOB_DECRYPT << 0u << 0u << "Initialising.." << false << false;
    QTest::newRow("large file, under 1/1000")
        << JOB_DECRYPT << 4000000000u << 3999999u << "Initialising.." << false << false;
    QTest::newRow("first non-zero")
        << JOB_DECRYPT << 4000000000u << 4000000u << "Decrypting file.." << true << true;
    QTest::newRow("encryption before its first report")
        << JOB_ENCRYPT << 0u << 0u << "Encrypting file.." << true << true;
}

void WorkerTest::decryptionShowsInitialisingUntilNonZero() {
    QFETCH(int, mode);
    QFETCH(quint32, total);
    QFETCH(quint32, done);
    const JobDisplay display = JobDisplayFor(mode, ProgressThousandths(total, done), "/tmp/out");
    QTEST(QString::fromStdString(display.status), "status");
    QTEST(display.cancelEnabled, "cancelEnabled");
    QTEST(display.showBar, "showBar");
    QCOMPARE(display.position, ProgressThousandths(total, done));
    QCOMPARE(display.fileName, QStringLiteral("/tmp/out"));
}

void WorkerTest::eventCollapsesSignals() {
    AutoResetEvent event;
    QVERIFY(!event.TryWait());
    event.Set();
    event.Set();
    QVERIFY(event.TryWait());
    QVERIFY(!event.TryWait());
}

void WorkerTest::pendingCancelEndsNextReport() {
    AutoResetEvent cancel;
    CWorkingProgressDlgThread worker(cancel, JOB_DECRYPT, "in.qmx", "in", "pw");
    cancel.Set();
    QCOMPARE(worker.ReportProgress(0, 0), RC_CANCELLED);
    QCOMPARE(worker.State(), JOB_DONE);
    QCOMPARE(worker.Result(), RC_CANCELLED);
    QVERIFY(worker.ProgressEvent().TryWait());
    // Consumed: the cancel does not reach a later report.
    QCOMPARE(worker.ReportProgress(10, 5), 0u);
}

void WorkerTest::runJobShowsProgressOfRunningJob() {
    AutoResetEvent cancel;
    AutoResetEvent shown;
    std::vector<int> seen;
    CWorkingProgressDlgThread worker(cancel, JOB_ENCRYPT, "in", "out", "pw",
                                     Reporting([&](ProgressSink& sink) {
                                         const auto answer = sink.ReportProgress(100, 25);
                                         shown.Wait();
                                         return answer;
                                     }));
    const ResultCode result = RunJob(worker, [&](int progress) {
        seen.push_back(progress);
        shown.Set();
    });
    QCOMPARE(result, RC_OK);
    QCOMPARE(seen, std::vector<int>{250});
    QVERIFY(worker.HasFinished());
}

void WorkerTest::runJobReturnsOnlyAfterCancelledWorkerFinished() {
    AutoResetEvent cancel;
    AutoResetEvent released;
    QObject context;
    std::atomic<bool> cleanedUp{false};
    CWorkingProgressDlgThread worker(
        cancel, JOB_ENCRYPT, "in", "out", "pw", Reporting([&](ProgressSink& sink) {
            const auto answer = sink.ReportProgress(100, 25);
            // Cleaning up needs the interface's event loop.
            QMetaObject::invokeMethod(
                &context, [&] { released.Set(); }, Qt::QueuedConnection);
            released.Wait();
            cleanedUp = true;
            return answer;
        }));
    // Frees the worker should RunJob ever return too early, so the test fails, not hangs.
    struct Release {
        AutoResetEvent& event;
        ~Release() { event.Set(); }
    } release{released};
    cancel.Set();
    QCOMPARE(RunJob(worker, [](int) { QFAIL("no progress after a cancel"); }), RC_CANCELLED);
    QVERIFY(cleanedUp);
    QVERIFY(worker.HasFinished());
}

void WorkerTest::runJobRunsTheContainerOperation() {
    QTemporaryDir folder;
    const std::string source = folder.filePath("plain.txt").toStdString();
    QFile file(QString::fromStdString(source));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("a few plain bytes");
    file.close();
    AutoResetEvent cancel;
    CWorkingProgressDlgThread worker(cancel, JOB_ENCRYPT, source, source + ".qmx", "pw");
    QCOMPARE(RunJob(worker, {}), RC_OK);
    QVERIFY(QFile::exists(QString::fromStdString(source + ".qmx")));
}

void WorkerTest::unknownOperationRunsNothing() {
    AutoResetEvent cancel;
    CWorkingProgressDlgThread worker(cancel, 7, "in", "out", "pw");
    QCOMPARE(RunJob(worker, {}), RC_BAD_ARGUMENT);
    QCOMPARE(worker.State(), JOB_DONE);
}

QTEST_MAIN(WorkerTest)
#include "worker_test.moc"
