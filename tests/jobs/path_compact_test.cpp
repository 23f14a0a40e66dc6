#include "jobs/JobDisplay.h"
#include "jobs/PathCompactPathEx.h"

#include <QTest>

namespace {

QString Repeat(char c, qsizetype count) {
    return QString(count, QLatin1Char(c));
}

const QString kFace = QString::fromUtf8("\xF0\x9F\x98\x80"); // one character, two code units

} // namespace

class PathCompactTest : public QObject {
    Q_OBJECT
private slots:
    void shortensAsPathCompactPathEx_data();
    void shortensAsPathCompactPathEx();
    void jobDisplayShowsShortenedOutput();
};

void PathCompactTest::shortensAsPathCompactPathEx_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");
    const QString folder = "/home/user/" + Repeat('f', 60);
    QTest::newRow("74 characters whole") << "/" + Repeat('a', 73) << "/" + Repeat('a', 73);
    QTest::newRow("75: start, ellipsis, name") << "/" + Repeat('a', 65) + "/name.txt"
                                               << "/" + Repeat('a', 61) + ".../name.txt";
    QTest::newRow("long folder, short name")
        << folder + "/report.txt" << folder.left(60) + ".../report.txt";
    QTest::newRow("name just fits behind the ellipsis")
        << "/dir/" + Repeat('n', 70) << ".../" + Repeat('n', 70);
    QTest::newRow("name too long: its start kept")
        << "/dir/" + Repeat('n', 71) << Repeat('n', 71) + "...";
    QTest::newRow("no folder at all") << Repeat('n', 80) << Repeat('n', 71) + "...";
    QTest::newRow("surrogate pair not split at the cut")
        << "/" + Repeat('a', 60) + kFace + Repeat('b', 10) + "/name.txt"
        << "/" + Repeat('a', 60) + ".../name.txt";
    QTest::newRow("surrogate pair counted as two, fits")
        << "/dir/" + Repeat('n', 67) + kFace << "/dir/" + Repeat('n', 67) + kFace;
    QTest::newRow("surrogate pair counted as two, too long")
        << "/dir/" + Repeat('n', 68) + kFace << ".../" + Repeat('n', 68) + kFace;
}

void PathCompactTest::shortensAsPathCompactPathEx() {
    QFETCH(QString, path);
    QFETCH(QString, shown);
    const QString result = PathCompactPathEx(path, kShownPathChars);
    QCOMPARE(result, shown);
    QVERIFY(result.size() <= kShownPathChars - 1);
}

void PathCompactTest::jobDisplayShowsShortenedOutput() {
    const QString path = "/home/user/" + Repeat('f', 70) + "/report.txt.qmx";
    const JobDisplay display = JobDisplayFor(1, 0, path.toStdString());
    QCOMPARE(display.fileName, PathCompactPathEx(path, kShownPathChars));
    QVERIFY(display.fileName.endsWith("/report.txt.qmx"));
}

QTEST_MAIN(PathCompactTest)
#include "path_compact_test.moc"
