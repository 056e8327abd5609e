#pragma once

#include <QObject>
#include <QStringList>

// A passive script holder for a TLCDScreen: the script (one step per line), the
// line that runs next, and the two notifications the screen raises while it
// executes the script. It does not know which screens use it; a screen that
// has it attached forgets it when it is destroyed.
class TLCDAnimator final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString About READ About WRITE setAbout)
    Q_PROPERTY(QStringList Code READ Code WRITE setCode)
    Q_PROPERTY(bool CodeErrorFound READ CodeErrorFound WRITE setCodeErrorFound)
    Q_PROPERTY(qint16 CurrentLine READ CurrentLine WRITE setCurrentLine)

public:
    explicit TLCDAnimator(QObject *parent = nullptr);

    QString About() const;
    // Writing the about entry has no effect.
    void setAbout(const QString &text);

    const QStringList &Code() const { return m_code; }
    void setCode(const QStringList &code);

    // A flag for whoever writes the script; the animator never sets it itself.
    bool CodeErrorFound() const { return m_codeErrorFound; }
    void setCodeErrorFound(bool found);

    // Index (from 0) of the next line to execute. A value above the number of
    // lines becomes the last line's index (0 for an empty script).
    qint16 CurrentLine() const { return m_currentLine; }
    void setCurrentLine(qint16 line);

signals:
    // Raised after the last line of the script has been executed.
    void OnEndCode(TLCDAnimator *sender);
    // Raised after every executed line, with CurrentLine as it then stands.
    void OnLineExecuted(TLCDAnimator *sender, quint16 lineNumber);

private:
    QStringList m_code;
    bool m_codeErrorFound = false;
    qint16 m_currentLine = 0;
};
