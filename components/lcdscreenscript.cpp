// The script interpreter of TLCDScreen: one line of the attached animator's
// script per tick of the animation timer, plus the scrolling and wipe steps.

#include "apperror.h"
#include "errorbox.h"
#include "lcdscreen.h"
#include "lcdtext.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <algorithm>
#include <limits>

using namespace Lcd;

namespace {

constexpr int kMaxNameLength = 25;

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= u' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// The standard integer conversion of script arguments: optional leading
// blanks, an optional sign, then decimal digits, or hexadecimal digits after
// "$" or "0x" (up to 32 bits, which may read as a negative number).
qint32 scriptInteger(const QString &text)
{
    const auto fail = [&text]() {
        return AppError(
            QCoreApplication::translate("LcdScript", "'%1' is not a valid integer value").arg(TextFile::excerpt(text)));
    };
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && text.at(i) == u'$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text.at(i) == u'0' && (text.at(i + 1) == u'x' || text.at(i + 1) == u'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size())
        throw fail();
    qint64 value = 0;
    const qint64 limit =
        hex ? qint64(std::numeric_limits<quint32>::max()) : qint64(std::numeric_limits<qint32>::max()) + 1;
    for (; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        const int digit = hex ? hexDigit(text.at(i)) : (u >= u'0' && u <= u'9' ? u - u'0' : -1);
        if (digit < 0)
            throw fail();
        value = value * (hex ? 16 : 10) + digit;
        if (value > limit)
            throw fail();
    }
    if (hex)
        value = qint64(qint32(quint32(value)));
    else if (!negative && value > std::numeric_limits<qint32>::max())
        throw fail();
    return qint32(negative ? -value : value);
}

} // namespace

QList<TScriptCommand> TLCDScreen::ParseScriptLine(const QString &line)
{
    const qsizetype count = line.count(u';');
    QString rest = trimBlanks(line.mid(1, std::max<qsizetype>(0, line.size() - 2)).toLower());
    QList<TScriptCommand> commands;
    commands.reserve(count);
    for (qsizetype n = 0; n < count; ++n) {
        // "name(argument);": the argument starts right after the name and its
        // "(", and ends before the command's first ")".
        const QString command = trimBlanks(rest.left(rest.indexOf(u';') + 1));
        const qsizetype open = command.indexOf(u'(');
        const QString name = open < 0 ? QString() : trimBlanks(command.left(open));
        const qsizetype argumentStart = name.size() + 1;
        const qsizetype argumentLength = command.indexOf(u')') - name.size() - 1;
        const QString argument = argumentLength > 0 ? command.mid(argumentStart, argumentLength) : QString();
        TScriptCommand parsed;
        parsed.Argument = scriptInteger(argument);
        parsed.Name = name.left(kMaxNameLength);
        commands.append(parsed);
        rest = trimBlanks(rest.mid(command.size()));
    }
    return commands;
}

void TLCDScreen::animationTick()
{
    // A tick that arrives while an earlier one still runs (its error box is
    // open) is dropped: one step never overlaps another.
    if (m_inTick)
        return;
    m_inTick = true;
    // A handler of the animator's signals, or the error box's own loop, may
    // delete this screen: nothing of it is touched afterwards.
    const QPointer<TLCDScreen> self(this);
    const auto leaveTick = qScopeGuard([self] {
        if (self)
            self->m_inTick = false;
    });
    ErrorBox::guard(this, [this] {
        switch (m_tickTarget) {
        case TickTarget::Script:
            ExecuteScriptLine();
            break;
        case TickTarget::InfoPanelOn:
            InfoPanelOnStep();
            break;
        case TickTarget::InfoPanelOff:
            InfoPanelOffStep();
            break;
        }
    });
}

void TLCDScreen::ExecuteScriptLine()
{
    const QPointer<TLCDAnimator> animator = m_animator;
    if (!animator)
        return;
    m_blinkPhase = !m_blinkPhase;

    const qsizetype count = animator->Code().size();
    // A gotoline far below the script, or a script shortened under the
    // pointer, would leave no line to read: start over at the first line.
    if (count > 0 && (animator->CurrentLine() < 0 || animator->CurrentLine() >= count))
        animator->setCurrentLine(0);
    const QString line = count > 0 ? animator->Code().at(animator->CurrentLine()) : QString();

    const QList<TScriptCommand> commands = ParseScriptLine(line);
    for (const TScriptCommand &command : commands)
        runCommand(command);

    const QPointer<TLCDScreen> self(this);
    if (animator) {
        emit animator->OnLineExecuted(animator, quint16(animator->CurrentLine()));
    }
    if (!self)
        return;
    if (animator) {
        const qsizetype lines = animator->Code().size();
        if (animator->CurrentLine() == lines - 1) {
            animator->setCurrentLine(0);
            if (!m_animationRepeating)
                setAnimationEnabled(false);
            emit animator->OnEndCode(animator);
            if (!self)
                return;
        } else {
            animator->setCurrentLine(qint16(animator->CurrentLine() + 1));
        }
    }
    Paint();
}

void TLCDScreen::runCommand(const TScriptCommand &command)
{
    const QString &name = command.Name;
    const qint32 argument = command.Argument;
    if (name == u"horzscroll") {
        ScrollHorizontal(qint8(argument));
    } else if (name == u"vertscroll") {
        ScrollVertical(qint8(argument));
    } else if (name == u"setintensity") {
        setIntensity(qint8(argument));
    } else if (name == u"animationdelay") {
        setAnimationDelay(quint32(argument));
    } else if (name == u"gotoline") {
        if (m_animator) {
            const qint64 target = std::min<qint64>(argument, m_animator->Code().size());
            m_animator->setCurrentLine(qint16(std::max<qint64>(target, std::numeric_limits<qint16>::min())));
        }
    } else if (name == u"resetdisplay") {
        ResetDisplay();
    } else if (name == u"infopanelon") {
        startWipe(TickTarget::InfoPanelOn);
    } else if (name == u"infopaneloff") {
        startWipe(TickTarget::InfoPanelOff);
    }
}

// Rotates each of the first NoOfLines display lines by `amount` cells: to the
// right for a positive amount, to the left for a negative one. Zero-width
// codes travel with the characters they precede, so effect regions move along.
void TLCDScreen::ScrollHorizontal(int amount)
{
    const qsizetype lines = std::min<qsizetype>(m_noOfLines, m_displayLines.size());
    for (qsizetype i = 0; i < lines; ++i) {
        QString &text = m_displayLines[i];
        const qsizetype length = text.size();
        if (amount >= 0) {
            const qsizetype tail = std::min<qsizetype>(amount, length);
            const qsizetype moved = amount + zeroWidthCount(QStringView(text).right(tail));
            if (moved < length)
                text = text.right(moved) + text.left(length - moved);
        } else {
            const qsizetype head = std::min<qsizetype>(-qsizetype(amount), length);
            const qsizetype moved = -qsizetype(amount) + zeroWidthCount(QStringView(text).left(head));
            if (moved < length)
                text = text.mid(moved) + text.left(moved);
        }
    }
}

// Rotates the whole display buffer by |amount| entries: up for a negative
// amount, down for a positive one; entries beyond NoOfLines come into view.
void TLCDScreen::ScrollVertical(int amount)
{
    if (m_displayLines.isEmpty())
        return;
    for (int n = std::abs(amount); n > 0; --n) {
        if (amount < 0)
            m_displayLines.append(m_displayLines.takeFirst());
        else
            m_displayLines.prepend(m_displayLines.takeLast());
    }
}

void TLCDScreen::startWipe(TickTarget wipe)
{
    if (m_sweepColumn == 0)
        m_sweepColumn = 1;
    m_tickTarget = wipe;
    if (wipe == TickTarget::InfoPanelOn)
        InfoPanelOnStep();
    else
        InfoPanelOffStep();
}

// A blank column moving right that leaves the unscrolled text of Lines behind.
void TLCDScreen::InfoPanelOnStep()
{
    ensureDisplayEntries();
    m_sweepColumn = std::max(m_sweepColumn, 1);
    const qsizetype k = m_sweepColumn;
    for (qsizetype l = 0; l < m_noOfLines; ++l) {
        QString &text = m_displayLines[l];
        if (text.size() < k)
            text.resize(k, u' ');
        text[k - 1] = u' ';
        if (k > 1 && l < m_lines.size()) {
            const QString &source = m_lines.at(l);
            text[k - 2] = source.size() >= k - 1 ? source.at(k - 2) : QChar(u' ');
        }
    }
    Paint();
    finishWipeStep();
}

// A blank column moving right that leaves a band of all-lit cells behind.
void TLCDScreen::InfoPanelOffStep()
{
    ensureDisplayEntries();
    m_sweepColumn = std::max(m_sweepColumn, 1);
    const qsizetype k = m_sweepColumn;
    for (qsizetype l = 0; l < m_noOfLines; ++l) {
        QString &text = m_displayLines[l];
        if (text.size() > k)
            text[k - 1] = u' ';
        else
            text.append(u' ');
        if (k > 1 && text.size() > k - 1)
            text[k - 2] = QChar(0xFF);
    }
    Paint();
    finishWipeStep();
}

void TLCDScreen::finishWipeStep()
{
    ++m_sweepColumn;
    if (m_sweepColumn >= m_noOfChars + 2) {
        m_tickTarget = TickTarget::Script;
        m_sweepColumn = 0;
    }
}
