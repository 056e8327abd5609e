#pragma once

#include <QByteArray>
#include <QList>

// The lines ChildMediaPlayer and its sound process exchange, one message a
// line: a verb, the number of the playback it belongs to and, for some, a
// text (a file name, a level, a position, a complaint) to the end of the line.
// Numbers let either side drop what belongs to a playback it has left.
//
// To the sound process:  volume <0> <packed level>, open <n> <file>,
//                        play <n>, stop <n>
//                        (an open of the file open already keeps it as it
//                        is, playing or not; a play while it plays goes on)
// From it:               at <n> <ms>   once a second while <n> plays
//                        ended <n>     <n> played to its end
//                        failed <n> <text>   <n> broke off while playing
//                        refused <n> <text>  open or play of <n> was refused
namespace SoundProtocol {

inline const QByteArray volume = QByteArrayLiteral("volume");
inline const QByteArray open = QByteArrayLiteral("open");
inline const QByteArray play = QByteArrayLiteral("play");
inline const QByteArray stop = QByteArrayLiteral("stop");
inline const QByteArray progress = QByteArrayLiteral("at");
inline const QByteArray ended = QByteArrayLiteral("ended");
inline const QByteArray failed = QByteArrayLiteral("failed");
inline const QByteArray refused = QByteArrayLiteral("refused");

// How often a playing process says where it is.
constexpr int progressIntervalMs = 2000;

struct Message
{
    QByteArray verb;
    quint64 playback = 0;
    QByteArray text;
};

inline QByteArray line(const QByteArray &verb, quint64 playback, const QByteArray &text = {})
{
    QByteArray result = verb + ' ' + QByteArray::number(playback);
    if (!text.isEmpty()) {
        // A line break inside the text would end the message early.
        QByteArray flat = text;
        flat.replace('\n', ' ').replace('\r', ' ');
        result += ' ' + flat;
    }
    return result;
}

inline Message parse(const QByteArray &line)
{
    Message message;
    const qsizetype verbEnd = line.indexOf(' ');
    message.verb = line.left(verbEnd);
    if (verbEnd < 0)
        return message;
    const qsizetype numberEnd = line.indexOf(' ', verbEnd + 1);
    message.playback = line.mid(verbEnd + 1, numberEnd < 0 ? -1 : numberEnd - verbEnd - 1).toULongLong();
    if (numberEnd >= 0)
        message.text = line.mid(numberEnd + 1);
    return message;
}

} // namespace SoundProtocol
