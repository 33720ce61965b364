#include "fixedwidth.h"
#include "recordsfile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

Q_DECLARE_METATYPE(FileProblem)

namespace {

const QString Fixture = QStringLiteral(STORAGE_FIXTURES "/records.dat");

// A table that differs from every fixture, to see what a read overwrites.
RecordsTable filledTable()
{
    RecordsTable table;
    for (std::size_t n = 0; n < RecordsTable::Rows; ++n) {
        table.names[n] = QStringLiteral("old %1").arg(n + 1);
        table.scores[n] = static_cast<std::int16_t>(1001 + n);
    }
    return table;
}

// Row n (1..10) of a table.
QString name(const RecordsTable &table, int n) { return table.names[static_cast<std::size_t>(n - 1)]; }
int score(const RecordsTable &table, int n) { return table.scores[static_cast<std::size_t>(n - 1)]; }

bool isRoot()
{
    return geteuid() == 0;
}

} // namespace

class TestRecordsFile : public QObject
{
    Q_OBJECT

private slots:
    void readsFixture_data();
    void readsFixture();
    void missingFileReadsEmptyAndIsNotCreated();
    void shortFileReadsEmptyRowsAfterItsEnd();
    void readFailureKeepsTable_data();
    void readFailureKeepsTable();
    void writesRow_data();
    void writesRow();
    void writeCreatesFolderAndTenRows();
    void writeKeepsTailOfLongerFile();
    void writeGrowsShorterFile();
    void writeFailureLeavesFileUntouched_data();
    void writeFailureLeavesFileUntouched();
};

void TestRecordsFile::readsFixture_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("score");

    QTest::newRow("cyrillic name") << 1 << QStringLiteral("Олександр") << 1250;
    QTest::newRow("ґ and ї") << 2 << QStringLiteral("Ґанна Їжакевич") << 900;
    QTest::newRow("latin") << 3 << QStringLiteral("Player") << 150;
    QTest::newRow("half to even down") << 4 << QStringLiteral("Євгенія") << 12;
    QTest::newRow("spaces only, negative") << 5 << QString() << -3;
    QTest::newRow("padded name, half up") << 6 << QStringLiteral("Іван") << 14;
    QTest::newRow("full name, 99999 clamps") << 7 << QStringLiteral("abcdefghijklmnopqrst") << 32767;
    QTest::newRow("score not a number") << 8 << QStringLiteral("Анонім") << 0;
    QTest::newRow("lowest five-byte score") << 9 << QStringLiteral("X") << -9999;
    QTest::newRow("inner spaces kept") << 10 << QStringLiteral("є ї і ґ") << 0;
}

void TestRecordsFile::readsFixture()
{
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(int, score);

    RecordsTable table = filledTable();
    QVERIFY(recordsfile::read(Fixture, table).ok());
    QCOMPARE(::name(table, row), name);
    QCOMPARE(::score(table, row), score);
}

void TestRecordsFile::missingFileReadsEmptyAndIsNotCreated()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tables/table.dat"));
    RecordsTable table = filledTable();

    QVERIFY(recordsfile::read(path, table).ok());
    QCOMPARE(table, RecordsTable());
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("tables"))));
}

void TestRecordsFile::shortFileReadsEmptyRowsAfterItsEnd()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.dat"));
    // One whole row, then a second one cut inside its name.
    put(path, QByteArray("Ann                  42  Bo"));
    RecordsTable table = filledTable();

    QVERIFY(recordsfile::read(path, table).ok());
    QCOMPARE(name(table, 1), QStringLiteral("Ann"));
    QCOMPARE(score(table, 1), 42);
    QCOMPARE(name(table, 2), QStringLiteral("Bo"));
    QCOMPARE(score(table, 2), 0);
    for (int n = 3; n <= RecordsTable::Rows; ++n) {
        QCOMPARE(name(table, n), QString());
        QCOMPARE(score(table, n), 0);
    }
    QCOMPARE(contents(path).size(), 27); // reading never writes
}

void TestRecordsFile::readFailureKeepsTable_data()
{
    QTest::addColumn<bool>("directory");
    QTest::addColumn<FileProblem>("problem");
    QTest::newRow("directory in place of the file") << true << FileProblem::IsDirectory;
    QTest::newRow("unreadable file") << false << FileProblem::Unreadable;
}

void TestRecordsFile::readFailureKeepsTable()
{
    QFETCH(bool, directory);
    QFETCH(FileProblem, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.dat"));
    if (directory) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("table.dat")));
    } else {
        if (isRoot())
            QSKIP("permissions do not stop root");
        QVERIFY(QFile::copy(Fixture, path));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }

    RecordsTable table = filledTable();
    const FileStatus status = recordsfile::read(path, table);
    QCOMPARE(status.problem, problem);
    QCOMPARE(status.path, path);
    QCOMPARE(table, filledTable());
}

void TestRecordsFile::writesRow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("score");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("readName");
    QTest::addColumn<int>("readScore");

    QTest::newRow("cyrillic, 150")
        << QStringLiteral("Олександр") << 150
        << QByteArray("\xce\xeb\xe5\xea\xf1\xe0\xed\xe4\xf0           " " 150 ")
        << QStringLiteral("Олександр") << 150;
    QTest::newRow("zero") << QStringLiteral("Bo") << 0 << QByteArray("Bo                   0   ")
                          << QStringLiteral("Bo") << 0;
    QTest::newRow("negative") << QStringLiteral("Bo") << -5 << QByteArray("Bo                  -5   ")
                              << QStringLiteral("Bo") << -5;
    QTest::newRow("25 characters keep 20")
        << QStringLiteral("abcdefghijklmnopqrstuvwxy") << 7 << QByteArray("abcdefghijklmnopqrst 7   ")
        << QStringLiteral("abcdefghijklmnopqrst") << 7;
    QTest::newRow("spaces only read as empty")
        << QStringLiteral("   ") << 1 << QByteArray("                     1   ") << QString() << 1;
    QTest::newRow("outer spaces dropped on reading")
        << QStringLiteral(" Ann ") << 1 << QByteArray(" Ann                 1   ") << QStringLiteral("Ann") << 1;
    QTest::newRow("unmappable becomes ?")
        << QStringLiteral("Іван✓😀") << 1 << QByteArray("\xb2\xe2\xe0\xed??               1   ")
        << QStringLiteral("Іван??") << 1;
    QTest::newRow("five digits without sign position")
        << QStringLiteral("Big") << 32767 << QByteArray("Big                 32767") << QStringLiteral("Big")
        << 32767;
    QTest::newRow("too low clamps to field")
        << QStringLiteral("Low") << -32768 << QByteArray("Low                 -9999") << QStringLiteral("Low")
        << -9999;
}

void TestRecordsFile::writesRow()
{
    QFETCH(QString, name);
    QFETCH(int, score);
    QFETCH(QByteArray, row);
    QFETCH(QString, readName);
    QFETCH(int, readScore);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.dat"));
    RecordsTable table;
    table.names[2] = name;
    table.scores[2] = static_cast<std::int16_t>(score);
    QVERIFY(recordsfile::write(path, table).ok());

    const QByteArray bytes = contents(path);
    QCOMPARE(bytes.size(), 250);
    QCOMPARE(bytes.mid(2 * 25, 25), row);
    QCOMPARE(bytes.mid(0, 25), QByteArray("                     0   "));

    RecordsTable reread = filledTable();
    QVERIFY(recordsfile::read(path, reread).ok());
    QCOMPARE(::name(reread, 3), readName);
    QCOMPARE(::score(reread, 3), readScore);
}

void TestRecordsFile::writeCreatesFolderAndTenRows()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gamedata/tables/table.dat"));
    QVERIFY(recordsfile::write(path, filledTable()).ok());
    QCOMPARE(contents(path).size(), 250);

    RecordsTable reread;
    QVERIFY(recordsfile::read(path, reread).ok());
    QCOMPARE(reread, filledTable());
}

void TestRecordsFile::writeKeepsTailOfLongerFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.dat"));
    QVERIFY(QFile::copy(Fixture, path));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QByteArray before = contents(path);
    QVERIFY(before.size() > 250);

    QVERIFY(recordsfile::write(path, filledTable()).ok());
    const QByteArray after = contents(path);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.mid(250), before.mid(250));
    QCOMPARE(after.first(25), QByteArray("old 1                1001"));
}

void TestRecordsFile::writeGrowsShorterFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.dat"));
    put(path, QByteArray(30, 'x'));
    QVERIFY(recordsfile::write(path, filledTable()).ok());
    const QByteArray after = contents(path);
    QCOMPARE(after.size(), 250);
    QVERIFY(!after.contains('x'));
}

void TestRecordsFile::writeFailureLeavesFileUntouched_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<FileProblem>("problem");
    QTest::newRow("parent is a regular file") << QStringLiteral("file as folder") << FileProblem::FolderNotCreated;
    QTest::newRow("directory in place of the file") << QStringLiteral("directory") << FileProblem::IsDirectory;
    QTest::newRow("read-only folder") << QStringLiteral("read-only folder") << FileProblem::Unwritable;
    QTest::newRow("read-only file") << QStringLiteral("read-only file") << FileProblem::Unwritable;
}

void TestRecordsFile::writeFailureLeavesFileUntouched()
{
    QFETCH(QString, obstacle);
    QFETCH(FileProblem, problem);
    QTemporaryDir dir;
    const QString tables = dir.filePath(QStringLiteral("tables"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tables")));
    QString path = tables + QStringLiteral("/table.dat");
    QString kept = path; // the file that must come through byte for byte

    if (obstacle == QLatin1String("file as folder")) {
        put(path, contents(Fixture));
        path += QStringLiteral("/table.dat");
    } else if (obstacle == QLatin1String("directory")) {
        QVERIFY(QDir(tables).mkdir(QStringLiteral("table.dat")));
        put(path + QStringLiteral("/inside"), "x");
        kept = path + QStringLiteral("/inside");
    } else {
        if (isRoot())
            QSKIP("permissions do not stop root");
        put(path, contents(Fixture));
        if (obstacle == QLatin1String("read-only folder"))
            QVERIFY(QFile::setPermissions(tables, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        else
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    }
    const QByteArray before = contents(kept);
    const QStringList entriesBefore = QDir(tables).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    const FileStatus status = recordsfile::write(path, filledTable());
    QFile::setPermissions(tables, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QCOMPARE(status.problem, problem);
    QCOMPARE(contents(kept), before);
    QCOMPARE(QDir(tables).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entriesBefore);
}

QTEST_GUILESS_MAIN(TestRecordsFile)
#include "tst_recordsfile.moc"
