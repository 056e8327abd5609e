#include "helplauncher.h"

#include "apperror.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>

namespace HelpLauncher {

namespace {

const QString kNamespace = QStringLiteral("org.chronelle.help");
const QString kFolder = QStringLiteral("doc");

// A text browser that reads its pages, pictures and style sheet from the help file.
class HelpBrowser final : public QTextBrowser
{
public:
    explicit HelpBrowser(QHelpEngineCore *engine) : m_engine(engine)
    {
        setObjectName(QStringLiteral("HelpBrowser"));
        setOpenExternalLinks(true);
    }

    QVariant loadResource(int type, const QUrl &name) override
    {
        QUrl url = name;
        if (url.isRelative())
            url = source().resolved(url);
        if (url.scheme() == QStringLiteral("qthelp"))
            return m_engine->fileData(url);
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngineCore *m_engine;
};

// The help viewer: the contents and the keyword index of the help file
// beside the page, with back, forward and the start page. It owns its help
// engine, and is kept (hidden) when closed, with its history.
class HelpWindow final : public QMainWindow
{
public:
    HelpWindow(std::unique_ptr<QHelpEngine> engine, const QString &helpFile)
        : m_engine(engine.release()), m_helpFile(helpFile)
    {
        m_engine->setParent(this);
        setObjectName(QStringLiteral("HelpWindow"));
        setWindowTitle(QCoreApplication::translate("HelpLauncher", "Chronelle Help"));
        resize(900, 600);

        m_browser = new HelpBrowser(m_engine);

        QHelpContentWidget *contents = m_engine->contentWidget();
        contents->setObjectName(QStringLiteral("HelpContents"));
        contents->setAccessibleName(QCoreApplication::translate("HelpLauncher", "Contents"));
        connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::openPage);

        // The index, narrowed down as the user types.
        auto *indexPage = new QWidget;
        auto *lookFor = new QLabel(QCoreApplication::translate("HelpLauncher", "&Look for:"), indexPage);
        auto *filter = new QLineEdit(indexPage);
        filter->setObjectName(QStringLiteral("HelpIndexFilter"));
        filter->setClearButtonEnabled(true);
        lookFor->setBuddy(filter);
        QHelpIndexWidget *index = m_engine->indexWidget();
        index->setObjectName(QStringLiteral("HelpIndex"));
        index->setAccessibleName(QCoreApplication::translate("HelpLauncher", "Index"));
        auto *indexLayout = new QVBoxLayout(indexPage);
        indexLayout->setContentsMargins(4, 4, 4, 4);
        indexLayout->addWidget(lookFor);
        indexLayout->addWidget(filter);
        indexLayout->addWidget(index);
        connect(filter, &QLineEdit::textChanged, index, [index](const QString &text) { index->filterIndices(text); });
        connect(filter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
        connect(index, &QHelpIndexWidget::documentActivated, this,
                [this](const QHelpLink &document, const QString &) { openPage(document.url); });
        // A keyword on several pages opens the first; the others are linked from it.
        connect(index, &QHelpIndexWidget::documentsActivated, this,
                [this](const QList<QHelpLink> &documents, const QString &) {
                    if (!documents.isEmpty())
                        openPage(documents.first().url);
                });

        m_navigation = new QTabWidget;
        m_navigation->setObjectName(QStringLiteral("HelpNavigation"));
        m_navigation->addTab(contents, QCoreApplication::translate("HelpLauncher", "&Contents"));
        m_navigation->addTab(indexPage, QCoreApplication::translate("HelpLauncher", "&Index"));
        // Choosing the index means looking something up: the typing goes there.
        connect(m_navigation, &QTabWidget::currentChanged, filter, [this, indexPage, filter]() {
            if (m_navigation->currentWidget() == indexPage)
                filter->setFocus();
        });

        auto *splitter = new QSplitter;
        splitter->addWidget(m_navigation);
        splitter->addWidget(m_browser);
        splitter->setStretchFactor(1, 1);
        splitter->setSizes({240, 660});
        setCentralWidget(splitter);

        QToolBar *bar = addToolBar(QCoreApplication::translate("HelpLauncher", "Navigation"));
        bar->setObjectName(QStringLiteral("HelpToolBar"));
        bar->setMovable(false);
        bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        QAction *back =
            bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                           QCoreApplication::translate("HelpLauncher", "&Back"), m_browser, &QTextBrowser::backward);
        back->setObjectName(QStringLiteral("HelpBack"));
        back->setShortcut(QKeySequence::Back);
        back->setEnabled(false);
        QAction *forward =
            bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                           QCoreApplication::translate("HelpLauncher", "&Forward"), m_browser, &QTextBrowser::forward);
        forward->setObjectName(QStringLiteral("HelpForward"));
        forward->setShortcut(QKeySequence::Forward);
        forward->setEnabled(false);
        QAction *home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon),
                                       QCoreApplication::translate("HelpLauncher", "&Start Page"), this,
                                       [this]() { openPage(QUrl(topicUrl())); });
        home->setObjectName(QStringLiteral("HelpHome"));
        connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
        connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
        // The contents follow the page shown, however it was reached.
        connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::markInContents);
        connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, this,
                [this]() { markInContents(m_browser->source()); });
    }

    const QString &helpFile() const { return m_helpFile; }
    QHelpEngine *engine() const { return m_engine; }

    void openPage(const QUrl &url)
    {
        if (url.scheme() == QStringLiteral("qthelp") && m_browser->source() != url)
            m_browser->setSource(url);
    }

private:
    void markInContents(const QUrl &url)
    {
        QHelpContentWidget *contents = m_engine->contentWidget();
        QUrl page = url;
        page.setFragment(QString());
        const QModelIndex entry = contents->indexOf(page);
        if (!entry.isValid())
            return;
        contents->setCurrentIndex(entry);
        contents->scrollTo(entry);
    }

    QHelpEngine *m_engine;
    QString m_helpFile;
    HelpBrowser *m_browser = nullptr;
    QTabWidget *m_navigation = nullptr;
};

QPointer<HelpWindow> &window()
{
    static QPointer<HelpWindow> instance;
    return instance;
}

// The help window for this help file, made on first use.
HelpWindow &windowFor(const QString &helpFile)
{
    if (window() && window()->helpFile() == helpFile)
        return *window();
    if (!QFileInfo::exists(helpFile))
        throw AppError(QCoreApplication::translate("HelpLauncher", "The help file %1 is missing.")
                           .arg(QDir::toNativeSeparators(helpFile)));
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        throw AppError(
            QCoreApplication::translate("HelpLauncher", "The help viewer has no folder to keep its index in (%1).")
                .arg(cache));
    auto engine = std::make_unique<QHelpEngine>(cache + QStringLiteral("/help.qhc"));
    engine->setReadOnly(false);
    if (!engine->setupData())
        throw AppError(
            QCoreApplication::translate("HelpLauncher", "The help viewer could not start: %1").arg(engine->error()));
    const QString registered = engine->documentationFileName(kNamespace);
    if (!registered.isEmpty() && registered != helpFile)
        engine->unregisterDocumentation(kNamespace);
    if (engine->documentationFileName(kNamespace).isEmpty() && !engine->registerDocumentation(helpFile)) {
        throw AppError(QCoreApplication::translate("HelpLauncher", "The help viewer could not read %1: %2")
                           .arg(QDir::toNativeSeparators(helpFile), engine->error()));
    }
    delete window();
    window() = new HelpWindow(std::move(engine), helpFile);
    // Where the user is looking: on the screen that holds the pointer.
    const QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        window()->move(screen->availableGeometry().center() - window()->rect().center());
    return *window();
}

} // namespace

QString topicUrl(const QString &topic)
{
    return QStringLiteral("qthelp://%1/%2%3").arg(kNamespace, kFolder, topic);
}

void showTopic(QWidget *owner, const QString &helpFile, const QString &topic)
{
    Q_UNUSED(owner); // the viewer is a window of its own, not tied to the one that asked
    HelpWindow &viewer = windowFor(helpFile);
    const QUrl url(topicUrl(topic));
    if (viewer.engine()->fileData(url).isEmpty())
        throw AppError(QCoreApplication::translate("HelpLauncher", "The help file %1 has no page %2.")
                           .arg(QDir::toNativeSeparators(helpFile), topic));
    viewer.openPage(url);
    viewer.show();
    viewer.raise();
    viewer.activateWindow();
}

} // namespace HelpLauncher
