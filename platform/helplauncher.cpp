#include "helplauncher.h"

#include "apperror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QPointer>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>

namespace HelpLauncher {

namespace {

const QString kNamespace = QStringLiteral("org.chronelle.help");
const QString kFolder = QStringLiteral("doc");

// A text browser that reads its pages, pictures and style sheet from the help file.
class HelpWindow final : public QTextBrowser
{
public:
    explicit HelpWindow(QHelpEngineCore *engine) : m_engine(engine)
    {
        setWindowTitle(QStringLiteral("Chronelle Help"));
        setOpenExternalLinks(true);
        resize(720, 560);
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

struct HelpState
{
    QString helpFile;
    QPointer<QHelpEngineCore> engine; // owned by the application object
    QPointer<HelpWindow> window;
};

HelpState &state()
{
    static HelpState instance;
    return instance;
}

void setUpEngine(const QString &helpFile)
{
    HelpState &s = state();
    if (s.engine && s.helpFile == helpFile)
        return;
    if (!QFileInfo::exists(helpFile))
        throw AppError(QStringLiteral("The help file %1 is missing.").arg(QDir::toNativeSeparators(helpFile)));
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        throw AppError(QStringLiteral("The help viewer has no folder to keep its index in (%1).").arg(cache));
    auto engine = std::make_unique<QHelpEngineCore>(cache + QStringLiteral("/help.qhc"), QCoreApplication::instance());
    engine->setReadOnly(false);
    if (!engine->setupData())
        throw AppError(QStringLiteral("The help viewer could not start: %1").arg(engine->error()));
    const QString registered = engine->documentationFileName(kNamespace);
    if (!registered.isEmpty() && registered != helpFile)
        engine->unregisterDocumentation(kNamespace);
    if (engine->documentationFileName(kNamespace).isEmpty() && !engine->registerDocumentation(helpFile)) {
        throw AppError(QStringLiteral("The help viewer could not read %1: %2")
                           .arg(QDir::toNativeSeparators(helpFile), engine->error()));
    }
    delete s.window;
    delete s.engine;
    s.engine = engine.release();
    s.helpFile = helpFile;
}

} // namespace

QString topicUrl(const QString &topic)
{
    return QStringLiteral("qthelp://%1/%2%3").arg(kNamespace, kFolder, topic);
}

void showTopic(QWidget *owner, const QString &helpFile, const QString &topic)
{
    setUpEngine(helpFile);
    HelpState &s = state();
    const QUrl url(topicUrl(topic));
    if (s.engine->fileData(url).isEmpty())
        throw AppError(
            QStringLiteral("The help file %1 has no page %2.").arg(QDir::toNativeSeparators(helpFile), topic));
    if (!s.window) {
        s.window = new HelpWindow(s.engine);
        s.window->setAttribute(Qt::WA_DeleteOnClose);
        Q_UNUSED(owner);
    }
    s.window->setSource(url);
    s.window->show();
    s.window->raise();
    s.window->activateWindow();
}

} // namespace HelpLauncher
