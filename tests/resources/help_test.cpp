// The compiled help as the build leaves it beside the executable: it registers
// with Qt's help engine under the namespace the help window asks for, its
// start page resolves, and no page, contents entry or keyword leads nowhere.

#include <QDir>
#include <QFile>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QQueue>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString helpFile = QStringLiteral(CHRONELLE_BIN_DIR "/help.qch");
const QString helpSources = QStringLiteral(CHRONELLE_SOURCE_DIR "/resources/help");
const QString helpNamespace = QStringLiteral("org.chronelle.help");
const QUrl startPage(QStringLiteral("qthelp://org.chronelle.help/doc/index.htm"));

QString joined(const QStringList &problems)
{
    return problems.join(QLatin1Char('\n'));
}

bool isExternal(const QUrl &url)
{
    const QString scheme = url.scheme();
    return scheme == u"http" || scheme == u"https" || scheme == u"mailto";
}

// Every href and src of a page, resolved against the page's own address.
QList<QUrl> linksOf(const QUrl &page, const QString &html)
{
    static const QRegularExpression attribute(QStringLiteral(R"re((?:href|src)\s*=\s*"([^"]*)")re"),
                                              QRegularExpression::CaseInsensitiveOption);
    QList<QUrl> links;
    for (const QRegularExpressionMatch &match : attribute.globalMatch(html))
        links.append(page.resolved(QUrl(match.captured(1))));
    return links;
}

bool hasAnchor(const QString &html, const QString &name)
{
    const QRegularExpression anchor(
        QStringLiteral(R"re(\b(?:name|id)\s*=\s*"%1")re").arg(QRegularExpression::escape(name)));
    return anchor.match(html).hasMatch();
}

class HelpFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(helpFile)) << helpFile.toStdString();
        ASSERT_TRUE(m_dir.isValid());
        m_engine = std::make_unique<QHelpEngineCore>(m_dir.filePath(QStringLiteral("test.qhc")));
        // Registering writes into the collection, which the engine by default
        // treats as read-only.
        m_engine->setReadOnly(false);
        ASSERT_TRUE(m_engine->setupData()) << m_engine->error().toStdString();
        ASSERT_TRUE(m_engine->registerDocumentation(helpFile)) << m_engine->error().toStdString();
    }

    QString page(const QUrl &url) const
    {
        return QString::fromUtf8(m_engine->fileData(url.adjusted(QUrl::RemoveFragment)));
    }

    QList<QUrl> files(const QString &extension) const { return m_engine->files(helpNamespace, QString(), extension); }

    // The problem with one link, or an empty text when it leads to a file of
    // the help (and, with a fragment, to an anchor on that page).
    QString checkLink(const QUrl &link) const
    {
        if (isExternal(link))
            return {};
        const QString target = page(link);
        if (target.isEmpty())
            return QStringLiteral("missing file ") + link.toString();
        if (link.hasFragment() && !hasAnchor(target, link.fragment()))
            return QStringLiteral("missing anchor ") + link.toString();
        return {};
    }

    QTemporaryDir m_dir;
    std::unique_ptr<QHelpEngineCore> m_engine;
};

TEST_F(HelpFile, RegistersUnderItsNamespace)
{
    EXPECT_EQ(QHelpEngineCore::namespaceName(helpFile), helpNamespace);
    EXPECT_TRUE(m_engine->registeredDocumentations().contains(helpNamespace));
}

TEST_F(HelpFile, StartPageIsTheIndexWithItsTitle)
{
    const QString html = page(startPage);
    ASSERT_FALSE(html.isEmpty()) << "nothing at " << startPage.toString().toStdString();
    EXPECT_TRUE(html.contains(u"<title>Chronelle Help</title>")) << html.left(300).toStdString();
    EXPECT_TRUE(html.contains(u"</html>"));
}

TEST_F(HelpFile, EveryLinkLeadsIntoTheHelp)
{
    const QList<QUrl> pages = files(QStringLiteral("htm"));
    ASSERT_GE(pages.size(), 2);
    QStringList problems;
    for (const QUrl &url : pages) {
        for (const QUrl &link : linksOf(url, page(url))) {
            const QString problem = checkLink(link);
            if (!problem.isEmpty())
                problems.append(url.fileName() + QStringLiteral(": ") + problem);
        }
    }
    EXPECT_TRUE(problems.isEmpty()) << joined(problems).toStdString();
}

TEST_F(HelpFile, EveryPageCanBeReachedFromTheStartPage)
{
    QSet<QString> reached{startPage.toString()};
    QQueue<QUrl> queue;
    queue.enqueue(startPage);
    while (!queue.isEmpty()) {
        const QUrl url = queue.dequeue();
        for (const QUrl &link : linksOf(url, page(url))) {
            const QUrl target = link.adjusted(QUrl::RemoveFragment);
            if (target.path().endsWith(u".htm") && !reached.contains(target.toString())) {
                reached.insert(target.toString());
                queue.enqueue(target);
            }
        }
    }
    QStringList orphans;
    for (const QUrl &url : files(QStringLiteral("htm")))
        if (!reached.contains(url.toString()))
            orphans.append(url.fileName());
    EXPECT_TRUE(orphans.isEmpty()) << "not linked from the start page: " << joined(orphans).toStdString();
}

// A page added to the sources but not to the help project, or a help file
// older than its pages, would show up here.
TEST_F(HelpFile, HoldsEverySourcePageAsWritten)
{
    const QStringList sources =
        QDir(helpSources).entryList({QStringLiteral("*.htm"), QStringLiteral("*.css")}, QDir::Files);
    ASSERT_FALSE(sources.isEmpty()) << helpSources.toStdString();
    QStringList problems;
    for (const QString &name : sources) {
        QFile file(helpSources + u'/' + name);
        if (!file.open(QIODevice::ReadOnly)) {
            problems.append(name + QStringLiteral(": unreadable source"));
            continue;
        }
        const QByteArray stored = m_engine->fileData(startPage.resolved(QUrl(name)));
        if (stored.isEmpty())
            problems.append(name + QStringLiteral(": not in the help file"));
        else if (stored != file.readAll())
            problems.append(name + QStringLiteral(": differs from its source"));
    }
    EXPECT_TRUE(problems.isEmpty()) << joined(problems).toStdString();
}

TEST_F(HelpFile, EveryPageHasATitleAndTheStyleSheet)
{
    static const QRegularExpression title(QStringLiteral("<title>([^<]+)</title>"));
    static const QRegularExpression heading(QStringLiteral("<h1>([^<]+)</h1>"));
    QStringList problems;
    for (const QUrl &url : files(QStringLiteral("htm"))) {
        const QString html = page(url);
        const QString titleText = title.match(html).captured(1);
        const QString headingText = heading.match(html).captured(1);
        if (titleText.isEmpty() || headingText.isEmpty() || !titleText.startsWith(headingText))
            problems.append(url.fileName() + QStringLiteral(": title and heading missing or different"));
        if (!html.contains(u"<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\">"))
            problems.append(url.fileName() + QStringLiteral(": without the style sheet"));
    }
    EXPECT_TRUE(problems.isEmpty()) << joined(problems).toStdString();
}

// The contents and the keyword index come from the help project, which the
// link check of the generator does not look at.
TEST_F(HelpFile, ContentsAndKeywordsLeadToPages)
{
    QFile project(helpSources + QStringLiteral("/help.qhp"));
    ASSERT_TRUE(project.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&project);
    QStringList problems;
    int entries = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString ref = xml.attributes().value(QLatin1String("ref")).toString();
        if (xml.name() == u"section" || xml.name() == u"keyword") {
            ++entries;
            const QString problem = checkLink(startPage.resolved(QUrl(ref)));
            if (!problem.isEmpty())
                problems.append(xml.name().toString() + u' ' + ref + QStringLiteral(": ") + problem);
        }
        if (xml.name() == u"keyword") {
            const QString keyword = xml.attributes().value(QLatin1String("name")).toString();
            if (m_engine->documentsForKeyword(keyword).isEmpty())
                problems.append(QStringLiteral("keyword ") + keyword + QStringLiteral(" finds nothing"));
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(entries, 10);
    EXPECT_TRUE(problems.isEmpty()) << joined(problems).toStdString();
}

} // namespace
