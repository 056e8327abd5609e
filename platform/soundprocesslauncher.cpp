#include "soundprocesslauncher.h"

#include "childmediaplayer.h"
#include "soundprotocol.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

constexpr auto kProcessName = "chronelle-sound";

} // namespace

QString SoundProcessLauncher::find(const QString &executableFolder)
{
    const QDir folder(executableFolder);
    for (const QString &candidate :
         {folder.filePath(QLatin1String(kProcessName)),
          folder.filePath(QStringLiteral(CHRONELLE_INSTALLED_SOUND_PROCESS "/") + QLatin1String(kProcessName))}) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable())
            return QDir::cleanPath(info.absoluteFilePath());
    }
    return {};
}

SoundProcessLauncher::SoundProcessLauncher(const QString &program, QObject *parent)
    : QObject(parent), m_program(program)
{
}

SoundProcessLauncher::~SoundProcessLauncher()
{
    dropSpare();
}

QProcess *SoundProcessLauncher::launch()
{
    auto *process = new QProcess(this);
    process->setProgram(m_program);
    // On the sound server its streams are the program's: the volume and mute
    // that the server keeps for the program apply to them too.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PULSE_PROP_application.name"), QStringLiteral("Chronelle"));
    environment.insert(QStringLiteral("PULSE_PROP_application.id"), QStringLiteral(CHRONELLE_APP_ID));
    environment.insert(QStringLiteral("PULSE_PROP_application.icon_name"), QStringLiteral(CHRONELLE_APP_ID));
    process->setProcessEnvironment(environment);
    // What the decoder complains about goes where the program's own complaints go.
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QIODevice::ReadWrite);
    return process;
}

void SoundProcessLauncher::prepare(const QString &file, quint32 packedLevel)
{
    dropSpare();
    m_spare = launch();
    m_spare->write(SoundProtocol::line(SoundProtocol::volume, 0, QByteArray::number(packedLevel)) + '\n');
    // Named as the player will name it, so that the player's open finds it open.
    m_spare->write(SoundProtocol::line(SoundProtocol::open, 0, QFileInfo(file).absoluteFilePath().toUtf8()) + '\n');
    // A spare that dies meanwhile is simply not there any more.
    connect(m_spare, &QProcess::finished, this, &SoundProcessLauncher::dropSpare);
}

void SoundProcessLauncher::playSpare()
{
    if (m_spare)
        m_spare->write(SoundProtocol::line(SoundProtocol::play, 0) + '\n');
}

void SoundProcessLauncher::dropSpare()
{
    if (QProcess *spare = std::exchange(m_spare, nullptr)) {
        disconnect(spare, nullptr, this, nullptr);
        ChildMediaPlayer::endProcess(spare);
    }
}

QProcess *SoundProcessLauncher::take()
{
    QProcess *process = std::exchange(m_spare, nullptr);
    if (process)
        disconnect(process, nullptr, this, nullptr);
    else
        process = launch();
    process->setParent(nullptr);
    return process;
}
