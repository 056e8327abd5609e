#pragma once

#include "lcdanimator.h"
#include "lcdtypes.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <vector>

class QTimer;

// One parsed command of a script line; lives for one step only.
struct TScriptCommand
{
    QString Name; // at most 25 characters
    qint32 Argument = 0;
};

// A simulated character LCD panel: NoOfLines lines of NoOfChars cells, each cell
// a matrix of dots drawn from the glyph tables. The control sizes itself from
// its cell counts, dot size and spacings; resizing it from outside changes the
// cell counts instead and snaps back to the exact fit. Text comes from Lines;
// codes 10..20 take no cell (10/11 switch inverse on/off, 12/13 blinking).
//
// Drawing is a pure function of the published state and the display buffer
// into a QImage (renderFrame); the paint event copies that image to the screen
// in one block. Two pre-rendered cell images (all dots unlit, all dots lit) and
// two pre-rendered glyph dots make a cell one block copy plus its lit dots;
// cells of moderate size are kept whole after their first use, so a frame is
// put together from block copies alone and allocates nothing but itself.
//
// With an animator attached and the animation timer running, every tick runs
// one line of the animator's script (scrolling, intensity, wipes).
class TLCDScreen final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString About READ About WRITE setAbout)
    Q_PROPERTY(quint32 AnimationDelay READ AnimationDelay WRITE setAnimationDelay)
    Q_PROPERTY(bool AnimationEnabled READ AnimationEnabled WRITE setAnimationEnabled)
    Q_PROPERTY(bool AnimationRepeating READ AnimationRepeating WRITE setAnimationRepeating)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(quint8 BorderSpace READ BorderSpace WRITE setBorderSpace)
    Q_PROPERTY(Lcd::TLCDBorder BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(quint8 CharSpacing READ CharSpacing WRITE setCharSpacing)
    Q_PROPERTY(quint32 Color READ Color WRITE setColor)
    Q_PROPERTY(Lcd::TDotMatrix DotMatrix READ DotMatrix WRITE setDotMatrix)
    Q_PROPERTY(Lcd::TDotMatrixBorders DotMatrixBorders READ DotMatrixBorders WRITE setDotMatrixBorders)
    Q_PROPERTY(Lcd::THorzScrollMode HorzScrollMode READ HorzScrollMode WRITE setHorzScrollMode)
    Q_PROPERTY(qint8 Intensity READ Intensity WRITE setIntensity)
    Q_PROPERTY(TLCDAnimator *LCDAnimator READ LCDAnimator WRITE setLCDAnimator)
    Q_PROPERTY(QStringList Lines READ Lines WRITE setLines)
    Q_PROPERTY(quint8 LineSpacing READ LineSpacing WRITE setLineSpacing)
    Q_PROPERTY(quint8 NoOfLines READ NoOfLines WRITE setNoOfLines)
    Q_PROPERTY(quint8 NoOfChars READ NoOfChars WRITE setNoOfChars)
    Q_PROPERTY(quint8 PixelHeight READ PixelHeight WRITE setPixelHeight)
    Q_PROPERTY(quint32 PixelOff READ PixelOff WRITE setPixelOff)
    Q_PROPERTY(quint32 PixelOn READ PixelOn WRITE setPixelOn)
    Q_PROPERTY(Lcd::TPixelShape PixelShape READ PixelShape WRITE setPixelShape)
    Q_PROPERTY(Lcd::TPixelSize PixelSize READ PixelSize WRITE setPixelSize)
    Q_PROPERTY(quint8 PixelSpacing READ PixelSpacing WRITE setPixelSpacing)
    Q_PROPERTY(quint8 PixelWidth READ PixelWidth WRITE setPixelWidth)
    Q_PROPERTY(Lcd::TSpecialEffects SpecialEffects READ SpecialEffects WRITE setSpecialEffects)

public:
    explicit TLCDScreen(QWidget *parent = nullptr);
    ~TLCDScreen() override;

    // Published properties. Every setter but those of Lines and About ignores
    // a value equal to the stored one.
    QString About() const;
    void setAbout(const QString &text); // no effect

    quint32 AnimationDelay() const { return m_animationDelay; }
    void setAnimationDelay(quint32 milliseconds);
    bool AnimationEnabled() const { return m_animationEnabled; }
    void setAnimationEnabled(bool enabled);
    bool AnimationRepeating() const { return m_animationRepeating; }
    void setAnimationRepeating(bool repeating);
    Lcd::TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(Lcd::TColor color);
    quint8 BorderSpace() const { return m_borderSpace; }
    void setBorderSpace(quint8 pixels);
    Lcd::TLCDBorder BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(Lcd::TLCDBorder style);
    quint8 CharSpacing() const { return m_charSpacing; }
    void setCharSpacing(quint8 pixels);
    Lcd::TColor Color() const { return m_color; }
    void setColor(Lcd::TColor color);
    Lcd::TDotMatrix DotMatrix() const { return m_dotMatrix; }
    void setDotMatrix(Lcd::TDotMatrix matrix);
    Lcd::TDotMatrixBorders DotMatrixBorders() const { return m_dotMatrixBorders; }
    void setDotMatrixBorders(Lcd::TDotMatrixBorders borders);
    Lcd::THorzScrollMode HorzScrollMode() const { return m_horzScrollMode; }
    void setHorzScrollMode(Lcd::THorzScrollMode mode);
    qint8 Intensity() const { return m_intensity; }
    void setIntensity(qint8 intensity);
    TLCDAnimator *LCDAnimator() const { return m_animator.data(); }
    void setLCDAnimator(TLCDAnimator *animator);
    const QStringList &Lines() const { return m_lines; }
    // Replaces the whole text and resets the display (scroll state discarded).
    void setLines(const QStringList &lines);
    quint8 LineSpacing() const { return m_lineSpacing; }
    void setLineSpacing(quint8 pixels);
    quint8 NoOfLines() const { return m_noOfLines; }
    void setNoOfLines(quint8 lines); // 0 is refused with a message
    quint8 NoOfChars() const { return m_noOfChars; }
    void setNoOfChars(quint8 chars); // 0 is refused with a message
    quint8 PixelHeight() const { return m_pixelHeight; }
    void setPixelHeight(quint8 pixels); // only with pixCustom; 0 is refused
    Lcd::TColor PixelOff() const { return m_pixelOff; }
    void setPixelOff(Lcd::TColor color);
    Lcd::TColor PixelOn() const { return m_pixelOn; }
    void setPixelOn(Lcd::TColor color);
    Lcd::TPixelShape PixelShape() const { return m_pixelShape; }
    void setPixelShape(Lcd::TPixelShape shape);
    Lcd::TPixelSize PixelSize() const { return m_pixelSize; }
    void setPixelSize(Lcd::TPixelSize size);
    quint8 PixelSpacing() const { return m_pixelSpacing; }
    void setPixelSpacing(quint8 pixels);
    quint8 PixelWidth() const { return m_pixelWidth; }
    void setPixelWidth(quint8 pixels); // only with pixCustom; 0 is refused
    Lcd::TSpecialEffects SpecialEffects() const { return m_specialEffects; }
    void setSpecialEffects(Lcd::TSpecialEffects effects);

    // Writes one entry of Lines (the list grows with empty entries to reach
    // it) and resets the display, but only when the text really changes: the
    // cheap way for a host to refresh one line several times a second.
    void setLine(int index, const QString &text);

    // The display buffer: Lines as drawn, extended, scrolled and wiped.
    const QStringList &DisplayLines() const { return m_displayLines; }
    // DisplayLines := Lines; PadDisplayLines; Paint.
    void ResetDisplay();
    // Extends the display buffer with blanks for scrolling (see the .cpp).
    void PadDisplayLines();
    // Brings the size up to date and has the control redrawn.
    void Paint();

    // Renders the control as it stands now into a Width x Height image (reused
    // when it already has that size and format). Changes no state (apart from
    // remembering cells it has drawn).
    void renderFrame(QImage &frame) const;
    // Brings the geometry up to date, then renders into a new image; what a
    // screenshot of the control shows.
    QImage grabFrame();

    // The colours actually used for lit and unlit dots (RGB).
    QRgb litColor() const { return m_litColor; }
    QRgb unlitColor() const { return m_unlitColor; }
    int cellWidth() const { return m_cellWidth; }
    int cellHeight() const { return m_cellHeight; }

    // Script execution, normally driven by the animation timer.
    // One tick of the animation timer: a script step, or a wipe step while a
    // wipe runs. Errors end up in the error box. Tests call it directly.
    void animationTick();
    // One script step. Throws AppError for a malformed argument.
    void ExecuteScriptLine();
    // Drops the framing characters and splits the line into its commands.
    // Throws AppError ("'x' is not a valid integer value") for a bad argument.
    static QList<TScriptCommand> ParseScriptLine(const QString &line);
    void ScrollHorizontal(int amount);
    void ScrollVertical(int amount);
    void InfoPanelOnStep();
    void InfoPanelOffStep();
    bool blinkPhase() const { return m_blinkPhase; }
    int sweepColumn() const { return m_sweepColumn; }
    // Whether the timer would tick (enabled and a delay above 0).
    bool animationTimerActive() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void OnClick();
    void OnDblClick();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void OnMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint position);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    enum class TickTarget
    {
        Script,
        InfoPanelOn,
        InfoPanelOff
    };

    void UpdateGeometry();
    void UpdateDotColors();
    void BuildCellImages();
    void DrawLines(uchar *bits, qsizetype bytesPerLine) const;
    void DrawLine(uchar *bits, qsizetype bytesPerLine, int line) const;
    // The area of the control that a line's cells cover.
    QRect lineRect(int line) const;
    // Draws only `line` into the kept frame when nothing else can have changed.
    bool repaintLineOnly(int line, const QStringList &displayedBefore);
    void DrawCell(uchar *bits, qsizetype bytesPerLine, int x, int y, int code, bool inverse) const;
    template <typename CellSink> void resolveLine(int line, CellSink &&sink) const;
    const QRgb *cachedCell(int code, bool inverse) const;
    void refuse(const QString &message);
    void updateTimer();
    void startWipe(TickTarget wipe);
    void finishWipeStep();
    void ensureDisplayEntries();
    void runCommand(const TScriptCommand &command);

    // published state
    quint32 m_animationDelay = 250;
    bool m_animationEnabled = false;
    bool m_animationRepeating = false;
    Lcd::TColor m_borderColor = Lcd::clBlack;
    quint8 m_borderSpace = 3;
    Lcd::TLCDBorder m_borderStyle = Lcd::bsLowered;
    quint8 m_charSpacing = 1;
    Lcd::TColor m_color = Lcd::clSilver;
    Lcd::TDotMatrix m_dotMatrix = Lcd::mat5x7;
    Lcd::TDotMatrixBorders m_dotMatrixBorders;
    Lcd::THorzScrollMode m_horzScrollMode = Lcd::smIndependant;
    qint8 m_intensity = 127;
    QPointer<TLCDAnimator> m_animator;
    QStringList m_lines;
    quint8 m_lineSpacing = 1;
    quint8 m_noOfLines = 1;
    quint8 m_noOfChars = 10;
    quint8 m_pixelHeight = 2;
    Lcd::TColor m_pixelOff = 0xAAAAAA;
    Lcd::TColor m_pixelOn = Lcd::clBlack;
    Lcd::TPixelShape m_pixelShape = Lcd::psSquare;
    Lcd::TPixelSize m_pixelSize = Lcd::pixCustom;
    quint8 m_pixelSpacing = 1;
    quint8 m_pixelWidth = 2;
    Lcd::TSpecialEffects m_specialEffects;

    // display buffer and geometry
    QStringList m_displayLines;
    int m_dotWidth = 2;
    int m_dotHeight = 2;
    int m_columns = 5;
    int m_rows = 7;
    int m_cellWidth = 0;
    int m_cellHeight = 0;
    int m_lastWidth = 0;
    int m_lastHeight = 0;

    // dot colours and pre-rendered pieces
    QRgb m_litColor = 0;
    QRgb m_unlitColor = 0;
    QImage m_unlitCell;  // every dot unlit
    QImage m_litCell;    // every dot lit
    QImage m_glyphDot;   // one glyph dot over an unlit dot
    QImage m_inverseDot; // one glyph dot (unlit colour) over a lit dot
    QImage m_frame;      // reused by the paint event
    bool m_frameStale = true;
    // Every cell a frame may show (256 codes, plain and inverse), drawn on
    // first use, while that fits a small budget; empty when cells are larger.
    mutable std::vector<QRgb> m_cellCache;
    mutable std::vector<bool> m_cellCached;

    // animation
    QTimer *m_timer = nullptr;
    TickTarget m_tickTarget = TickTarget::Script;
    bool m_blinkPhase = false;
    int m_sweepColumn = 0;
    bool m_inTick = false;
};
