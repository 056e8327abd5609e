// The compiled help as the build leaves it beside the executable: it registers
// with Qt's help engine under the namespace the help window asks for, holds
// every page as written, reaches each from its start page, and no link,
// contents entry or keyword leads nowhere.

#include <QDir>
#include <QFile>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

const QString helpFile = QStringLiteral(CHRONELLE_BIN_DIR "/help.qch");
const QString helpSources = QStringLiteral(CHRONELLE_SOURCE_DIR "/resources/help");
const QUrl startPage(QStringLiteral("qthelp://org.chronelle.help/doc/index.htm"));

} // namespace

TEST(HelpFile, StartPageReachesEverySourcePageAsWrittenAndNoLinkOrIndexEntryLeadsNowhere)
{
    ASSERT_TRUE(QFile::exists(helpFile)) << helpFile.toStdString();
    QTemporaryDir dir;
    QHelpEngineCore engine(dir.filePath(QStringLiteral("test.qhc")));
    engine.setReadOnly(false); // registering writes into the collection
    ASSERT_TRUE(engine.setupData()) << engine.error().toStdString();
    ASSERT_TRUE(engine.registerDocumentation(helpFile)) << engine.error().toStdString();
    const auto page = [&engine](const QUrl &url) {
        return QString::fromUtf8(engine.fileData(url.adjusted(QUrl::RemoveFragment)));
    };
    // What is wrong with a link into the help (no file, or no such anchor on the page); empty if nothing.
    const auto problemOf = [&page](const QUrl &link) -> QString {
        if (link.scheme() == u"http" || link.scheme() == u"https" || link.scheme() == u"mailto")
            return QString();
        const QString target = page(link);
        if (target.isEmpty())
            return QStringLiteral("missing file ") + link.toString();
        const QRegularExpression anchor(
            QStringLiteral(R"re(\b(?:name|id)\s*=\s*"%1")re").arg(QRegularExpression::escape(link.fragment())));
        if (link.hasFragment() && !anchor.match(target).hasMatch())
            return QStringLiteral("missing anchor ") + link.toString();
        return QString();
    };

    EXPECT_EQ(QHelpEngineCore::namespaceName(helpFile), startPage.host());
    EXPECT_TRUE(page(startPage).contains(u"<title>Chronelle Help</title>")) << "no start page";
    QStringList problems;
    const auto note = [&problems](const QString &where, const QString &problem) {
        if (!problem.isEmpty())
            problems.append(where + QStringLiteral(": ") + problem);
    };

    // From the start page along every href and src, checking each on the way.
    static const QRegularExpression attribute(QStringLiteral(R"re((?:href|src)\s*=\s*"([^"]*)")re"),
                                              QRegularExpression::CaseInsensitiveOption);
    QSet<QString> reached{startPage.toString()};
    QList<QUrl> queue{startPage};
    while (!queue.isEmpty()) {
        const QUrl url = queue.takeFirst();
        for (const QRegularExpressionMatch &match : attribute.globalMatch(page(url))) {
            const QUrl link = url.resolved(QUrl(match.captured(1)));
            note(url.fileName(), problemOf(link));
            const QUrl target = link.adjusted(QUrl::RemoveFragment);
            if (target.path().endsWith(u".htm") && !reached.contains(target.toString())) {
                reached.insert(target.toString());
                queue.append(target);
            }
        }
    }

    // A page added to the sources but not to the help project, or a help file older than its pages.
    const QStringList sources =
        QDir(helpSources).entryList({QStringLiteral("*.htm"), QStringLiteral("*.css")}, QDir::Files);
    ASSERT_FALSE(sources.isEmpty()) << helpSources.toStdString();
    for (const QString &name : sources) {
        QFile file(helpSources + u'/' + name);
        const QUrl url = startPage.resolved(QUrl(name));
        if (!file.open(QIODevice::ReadOnly) || engine.fileData(url) != file.readAll())
            note(name, QStringLiteral("not in the help file as written"));
        if (name.endsWith(u".htm") && !reached.contains(url.toString()))
            note(name, QStringLiteral("not linked from the start page"));
    }

    // The contents and the keyword index come from the help project, which the
    // link check of the generator does not look at.
    QFile project(helpSources + QStringLiteral("/help.qhp"));
    ASSERT_TRUE(project.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&project);
    int entries = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || (xml.name() != u"section" && xml.name() != u"keyword"))
            continue;
        ++entries;
        const QString ref = xml.attributes().value(QLatin1String("ref")).toString();
        note(ref, problemOf(startPage.resolved(QUrl(ref))));
        const QString keyword = xml.attributes().value(QLatin1String("name")).toString();
        if (xml.name() == u"keyword" && engine.documentsForKeyword(keyword).isEmpty())
            note(keyword, QStringLiteral("the keyword finds nothing"));
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(entries, 10);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}
