#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// "%1", "%2": what the code fills in, so a translation must keep every one.
QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("%\\d+"));
    QSet<QString> found;
    for (auto it = number.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

} // namespace

// Every .ts file against the sources as they are now: lupdate run on a copy
// must find nothing new, nothing gone and nothing left unfinished.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void sourcesAndTranslationsAgree_data()
    {
        QTest::addColumn<QString>("tsFile");
        const QStringList files = QStringLiteral(TWENTYONE_TS_FILES).split(QLatin1Char(';'));
        for (const QString &file : files)
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }

    void sourcesAndTranslationsAgree()
    {
        QFETCH(QString, tsFile);
        QTemporaryDir dir;
        const QString copy = dir.filePath(QFileInfo(tsFile).fileName());
        QVERIFY(QFile::copy(tsFile, copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

        const QDir sources(QStringLiteral(TWENTYONE_SOURCE_DIR));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(TWENTYONE_LUPDATE),
                      {QStringLiteral("-locations"), QStringLiteral("none"),
                       sources.filePath(QStringLiteral("assets/artwork.cpp")), sources.filePath(QStringLiteral("table")),
                       sources.filePath(QStringLiteral("app")), QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(120000));
        const QByteArray said = lupdate.readAll();
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0, said.constData());

        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList faults;
        QString context, source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                const QString translation = xml.readElementText();
                const QString where = context + QStringLiteral(": ") + source;
                if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                    faults << QStringLiteral("no longer in the sources: ") + where;
                else if (type == QLatin1String("unfinished"))
                    faults << QStringLiteral("not translated: ") + where;
                else if (translation.isEmpty())
                    faults << QStringLiteral("empty: ") + where;
                else if (placeholders(translation) != placeholders(source))
                    faults << QStringLiteral("placeholders differ: ") + where;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY2(messages > 200, said.constData());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
