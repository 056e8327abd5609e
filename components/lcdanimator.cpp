#include "lcdanimator.h"

#include <algorithm>

TLCDAnimator::TLCDAnimator(QObject *parent) : QObject(parent) {}

QString TLCDAnimator::About() const
{
    return QStringLiteral("About LCDAnimator");
}

void TLCDAnimator::setAbout(const QString &) {}

void TLCDAnimator::setCode(const QStringList &code)
{
    m_code = code;
}

void TLCDAnimator::setCodeErrorFound(bool found)
{
    m_codeErrorFound = found;
}

void TLCDAnimator::setCurrentLine(qint16 line)
{
    if (line == m_currentLine)
        return;
    const qsizetype count = m_code.size();
    if (line > count)
        line = qint16(std::max<qsizetype>(0, count - 1));
    m_currentLine = line;
}
