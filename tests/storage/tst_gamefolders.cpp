#include "gamefolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Where the program keeps its files: beside itself in a portable copy, in the
// installed data folder and the user's own folders otherwise.
class TestGameFolders : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QCoreApplication::setApplicationName(QStringLiteral("twentyone"));
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("usr/bin")));
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("usr/share/twentyone/gamedata/music")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("data"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("config"))));
    }

    void locate_data()
    {
        QTest::addColumn<QString>("gamedata");  // made beside the program, or none
        QTest::addColumn<bool>("installed");
        QTest::newRow("a portable copy") << "usr/bin/gamedata" << false;
        QTest::newRow("installed") << "" << true;
        // A file named gamedata is no data folder: nothing is written beside the program.
        QTest::newRow("installed, a file named gamedata beside it") << "usr/bin/gamedata:file" << true;
    }
    void locate()
    {
        QFETCH(QString, gamedata);
        QFETCH(bool, installed);
        if (gamedata.endsWith(QLatin1String(":file"))) {
            QFile file(m_dir->filePath(gamedata.chopped(5)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (!gamedata.isEmpty()) {
            QVERIFY(QDir(m_dir->path()).mkpath(gamedata));
        }
        const QString bin = m_dir->filePath(QStringLiteral("usr/bin"));
        const GameFolders folders = GameFolders::locate(bin, QStringLiteral("../share/twentyone"));
        QCOMPARE(folders.installed, installed);
        if (!installed) {
            QCOMPARE(folders.media, bin);
            QCOMPARE(folders.data, bin);
            QCOMPARE(folders.config, bin);
            return;
        }
        QCOMPARE(folders.media, m_dir->filePath(QStringLiteral("usr/share/twentyone")));
        QCOMPARE(folders.data, m_dir->filePath(QStringLiteral("data/twentyone")));
        QCOMPARE(folders.config, m_dir->filePath(QStringLiteral("config/twentyone")));
    }

    // Only an installed program makes its user folders; a portable copy's
    // folder is made by the first file written there, as ever.
    void makeUserFolders()
    {
        const GameFolders installed = GameFolders::locate(m_dir->filePath(QStringLiteral("usr/bin")),
                                                          QStringLiteral("../share/twentyone"));
        installed.makeUserFolders();
        QVERIFY(QFileInfo(m_dir->filePath(QStringLiteral("data/twentyone/gamedata"))).isDir());
        QVERIFY(QFileInfo(m_dir->filePath(QStringLiteral("config/twentyone/gamedata"))).isDir());
        QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("usr/share/twentyone/gamedata/saves"))));

        const QString portable = m_dir->filePath(QStringLiteral("copy"));
        GameFolders::portable(portable).makeUserFolders();
        QVERIFY(!QFileInfo::exists(portable));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestGameFolders)
#include "tst_gamefolders.moc"
