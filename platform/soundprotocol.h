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
//                        failed <n> <complaint>   <n> broke off while playing
//                        refused <n> <complaint>  open or play of <n> was refused
//
// A complaint is a cause, one word, and the reason as the decoder or the
// sound server gave it, verbatim: the process says no sentence of its own,
// so that the program words it once, in its user's language.
//                        nothing-open           a play came before any open
//                        decoder <reason>       the file could not be decoded
//                        sound-server <reason>  the stream to the server broke
namespace SoundProtocol {

inline const QByteArray volume = QByteArrayLiteral("volume");
inline const QByteArray open = QByteArrayLiteral("open");
inline const QByteArray play = QByteArrayLiteral("play");
inline const QByteArray stop = QByteArrayLiteral("stop");
inline const QByteArray progress = QByteArrayLiteral("at");
inline const QByteArray ended = QByteArrayLiteral("ended");
inline const QByteArray failed = QByteArrayLiteral("failed");
inline const QByteArray refused = QByteArrayLiteral("refused");

enum class Cause
{
    NothingOpen,
    Decoder,
    SoundServer,
    Unknown, // a word this side doesn't know: the whole text is the reason
};

struct Complaint
{
    Cause cause = Cause::Unknown;
    QByteArray reason;
};

inline const QByteArray nothingOpen = QByteArrayLiteral("nothing-open");
inline const QByteArray decoder = QByteArrayLiteral("decoder");
inline const QByteArray soundServer = QByteArrayLiteral("sound-server");

inline QByteArray complaint(Cause cause, const QByteArray &reason = {})
{
    QByteArray word;
    switch (cause) {
    case Cause::NothingOpen:
        word = nothingOpen;
        break;
    case Cause::Decoder:
        word = decoder;
        break;
    case Cause::SoundServer:
        word = soundServer;
        break;
    case Cause::Unknown:
        return reason;
    }
    return reason.isEmpty() ? word : word + ' ' + reason;
}

inline Complaint parseComplaint(const QByteArray &text)
{
    const qsizetype wordEnd = text.indexOf(' ');
    const QByteArray word = wordEnd < 0 ? text : text.left(wordEnd);
    const QByteArray reason = wordEnd < 0 ? QByteArray() : text.mid(wordEnd + 1);
    if (word == nothingOpen)
        return {Cause::NothingOpen, reason};
    if (word == decoder)
        return {Cause::Decoder, reason};
    if (word == soundServer)
        return {Cause::SoundServer, reason};
    return {Cause::Unknown, text};
}

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
    message.verb = verbEnd < 0 ? line : line.left(verbEnd);
    if (verbEnd < 0)
        return message;
    const qsizetype numberEnd = line.indexOf(' ', verbEnd + 1);
    message.playback = line.mid(verbEnd + 1, numberEnd < 0 ? -1 : numberEnd - verbEnd - 1).toULongLong();
    if (numberEnd >= 0)
        message.text = line.mid(numberEnd + 1);
    return message;
}

} // namespace SoundProtocol
