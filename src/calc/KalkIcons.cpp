#include "calc/KalkIcons.h"

#include <algorithm>

#include <QFont>
#include <QFontMetricsF>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "base/NumberText.h"
#include "calc/KalkIds.h"

namespace {

enum class Shape { Text, Backspace, Copy, Paste, Info };

struct KeyPicture {
    Shape shape = Shape::Text;
    // Text with superscripts written as ^{...}.
    QString markup;
    QColor color;
    // Function keys: drawn at one size, the one the widest of them fits.
    bool functionKey = false;
};

const QColor kDigitColor(32, 32, 32);
const QColor kOperatorColor(0, 64, 160);
const QColor kFunctionColor(0, 110, 60);
const QColor kClearColor(170, 20, 20);
const QColor kToolColor(70, 70, 70);

QString FunctionMarkup(int id)
{
    static const char* const kFunctionMarkup[] = {
        "(",          "1/x",        "√x",         "^{3}√x",     "x^{2}",      "x^{y}",     "10^{x}",
        "e^{x}",      "^{y}√x",     "log",        "ln",         "sin",        "cos",       "tan",
        "sin^{-1}",   "cos^{-1}",   "tan^{-1}",   "sinh",       "cosh",       "tanh",      "sinh^{-1}",
        "cosh^{-1}",  "tanh^{-1}",  "A→B",        "B→A",
    };
    return QString::fromUtf8(kFunctionMarkup[id - kIdFunction0]);
}

KeyPicture PictureOf(int id)
{
    if (id >= kIdDigit0 && id <= kIdDigit9)
        return {Shape::Text, QString::number(id - kIdDigit0), kDigitColor};
    switch (id) {
    case kIdPi: return {Shape::Text, QStringLiteral("π"), kDigitColor};
    case kIdSeparator: return {Shape::Text, QString(QChar(DecimalSeparator())), kDigitColor};
    case kIdSign: return {Shape::Text, QStringLiteral("±"), kDigitColor};
    case kIdExp: return {Shape::Text, QStringLiteral("EXP"), kDigitColor};
    case kIdDivide: return {Shape::Text, QStringLiteral("÷"), kOperatorColor};
    case kIdMultiply: return {Shape::Text, QStringLiteral("×"), kOperatorColor};
    case kIdSubtract: return {Shape::Text, QStringLiteral("−"), kOperatorColor};
    case kIdAdd: return {Shape::Text, QStringLiteral("+"), kOperatorColor};
    case kIdResult: return {Shape::Text, QStringLiteral("="), kOperatorColor};
    case kIdCloseBracket: return {Shape::Text, QStringLiteral(")"), kOperatorColor};
    case kIdFunction0: return {Shape::Text, QStringLiteral("("), kOperatorColor};
    case kIdClear: return {Shape::Text, QStringLiteral("C"), kClearColor};
    case kIdClearAll: return {Shape::Text, QStringLiteral("CE"), kClearColor};
    case kIdBackspace: return {Shape::Backspace, QString(), kClearColor};
    case kIdCopy: return {Shape::Copy, QString(), kToolColor};
    case kIdPaste: return {Shape::Paste, QString(), kToolColor};
    case kIdInfo: return {Shape::Info, QString(), kOperatorColor};
    default: break;
    }
    if (id > kIdFunction0 && id <= kIdFunction24)
        return {Shape::Text, FunctionMarkup(id), kFunctionColor, true};
    return {Shape::Text, QString(), QColor()};
}

struct Run {
    QString text;
    bool superscript;
};

QList<Run> Runs(const QString& markup)
{
    QList<Run> runs;
    QString plain;
    for (int i = 0; i < markup.size(); ++i) {
        if (markup[i] == '^' && i + 1 < markup.size() && markup[i + 1] == '{') {
            const int end = markup.indexOf('}', i + 2);
            if (end > 0) {
                if (!plain.isEmpty())
                    runs.append({plain, false});
                plain.clear();
                runs.append({markup.mid(i + 2, end - i - 2), true});
                i = end;
                continue;
            }
        }
        plain += markup[i];
    }
    if (!plain.isEmpty())
        runs.append({plain, false});
    return runs;
}

// Markup is laid out in these fonts, then scaled to the rectangle.
struct MarkupFonts {
    QFont base;
    QFont small;
    MarkupFonts() : base(QStringLiteral("DejaVu Sans"))
    {
        base.setStyleHint(QFont::SansSerif);
        base.setPixelSize(100);
        small = base;
        small.setPixelSize(62);
    }
};

qreal MarkupWidth(const QList<Run>& runs, const MarkupFonts& fonts)
{
    const QFontMetricsF bigMetrics(fonts.base);
    const QFontMetricsF smallMetrics(fonts.small);
    qreal width = 0;
    for (const Run& run : runs)
        width += (run.superscript ? smallMetrics : bigMetrics).horizontalAdvance(run.text);
    return width;
}

// The widest function picture; every function key is scaled as if it were
// this wide, so that all of them show one font size.
qreal WidestFunctionWidth(const MarkupFonts& fonts)
{
    static const qreal widest = [&fonts] {
        qreal w = 0;
        for (int id = kIdFunction0 + 1; id <= kIdFunction24; ++id)
            w = std::max(w, MarkupWidth(Runs(FunctionMarkup(id)), fonts));
        return w;
    }();
    return widest;
}

// Text with superscripts, centred, as large as fits the rectangle; a
// function key as large as the widest function fits.
void DrawMarkup(QPainter& p, const QRectF& r, const KeyPicture& picture, const QColor& color)
{
    const QList<Run> runs = Runs(picture.markup);
    const MarkupFonts fonts;
    const QFont& base = fonts.base;
    const QFont& small = fonts.small;
    const QFontMetricsF bigMetrics(base);
    const QFontMetricsF smallMetrics(small);
    const qreal width = MarkupWidth(runs, fonts);
    const qreal height = bigMetrics.ascent() + bigMetrics.descent() * 0.3;
    if (width <= 0)
        return;
    const qreal fitWidth = picture.functionKey ? std::max(width, WidestFunctionWidth(fonts)) : width;
    const qreal scale = std::min(r.width() * 0.9 / fitWidth, r.height() * 0.8 / height);
    p.save();
    p.translate(r.center());
    p.scale(scale, scale);
    p.translate(-width / 2, height / 2 - bigMetrics.descent() * 0.3);
    p.setPen(color);
    qreal x = 0;
    for (const Run& run : runs) {
        p.setFont(run.superscript ? small : base);
        const qreal lift = run.superscript ? bigMetrics.ascent() * 0.45 : 0;
        p.drawText(QPointF(x, -lift), run.text);
        x += (run.superscript ? smallMetrics : bigMetrics).horizontalAdvance(run.text);
    }
    p.restore();
}

void DrawShape(QPainter& p, const QRectF& area, Shape shape, const QColor& color)
{
    // Shapes are drawn on a 20 x 20 grid centred in the area.
    const qreal side = std::min(area.width(), area.height());
    p.save();
    p.translate(area.center());
    p.scale(side / 20.0, side / 20.0);
    p.translate(-10, -10);
    QPen pen(color, 1.6);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    switch (shape) {
    case Shape::Backspace: {
        QPainterPath path;
        path.moveTo(1.5, 10);
        path.lineTo(6.5, 4);
        path.lineTo(18.5, 4);
        path.lineTo(18.5, 16);
        path.lineTo(6.5, 16);
        path.closeSubpath();
        p.drawPath(path);
        p.drawLine(QPointF(9.5, 7), QPointF(15.5, 13));
        p.drawLine(QPointF(15.5, 7), QPointF(9.5, 13));
        break;
    }
    case Shape::Copy:
        p.drawRect(QRectF(3, 2, 10, 12));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 6, 10, 12));
        p.drawLine(QPointF(9.5, 10), QPointF(14.5, 10));
        p.drawLine(QPointF(9.5, 13), QPointF(14.5, 13));
        break;
    case Shape::Paste:
        p.drawRoundedRect(QRectF(3, 3, 14, 16), 1.5, 1.5);
        p.setBrush(color);
        p.drawRect(QRectF(7, 1.5, 6, 3));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(6.5, 9), QPointF(13.5, 9));
        p.drawLine(QPointF(6.5, 12), QPointF(13.5, 12));
        p.drawLine(QPointF(6.5, 15), QPointF(11.5, 15));
        break;
    case Shape::Info:
        p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(QRectF(8.8, 4.5, 2.4, 2.4));
        p.drawRoundedRect(QRectF(8.9, 8.5, 2.2, 7.5), 0.8, 0.8);
        break;
    case Shape::Text:
        break;
    }
    p.restore();
}

class CKeyIconEngine : public QIconEngine {
public:
    explicit CKeyIconEngine(KeyPicture picture) : m_picture(std::move(picture)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const QColor color = mode == QIcon::Disabled ? QColor(150, 150, 150) : m_picture.color;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
        if (m_picture.shape == Shape::Text)
            DrawMarkup(*painter, rect, m_picture, color);
        else
            DrawShape(*painter, rect, m_picture.shape, color);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        const qreal s = scale > 0 ? scale : 1.0;
        QPixmap pm((QSizeF(size) * s).toSize());
        pm.fill(Qt::transparent);
        {
            QPainter painter(&pm);
            paint(&painter, QRect(QPoint(0, 0), pm.size()), mode, state);
        }
        pm.setDevicePixelRatio(s);
        return pm;
    }

    QIconEngine* clone() const override { return new CKeyIconEngine(m_picture); }
    QString key() const override { return QStringLiteral("zentaro-key"); }

private:
    KeyPicture m_picture;
};

} // namespace

QIcon KalkKeyIcon(int controlId)
{
    KeyPicture picture = PictureOf(controlId);
    if (picture.shape == Shape::Text && picture.markup.isEmpty())
        return QIcon();
    return QIcon(new CKeyIconEngine(std::move(picture)));
}

QString KalkKeyCaption(int controlId)
{
    if (controlId >= kIdDigit0 && controlId <= kIdDigit9)
        return QString::number(controlId - kIdDigit0);
    static const char* const kFunctionCaptions[] = {
        "(",      "1/x",    "SQRT",   "QURT",    "X^2",     "X^Y",     "10^X",    "e^X",     "X^1/Y",
        "log",    "ln",     "sin",    "cos",     "tan",     "arcsin",  "arccos",  "arctan",  "sinh",
        "cosh",   "tanh",   "ar sinh", "ar cosh", "ar tanh", "A --> B", "B --> A",
    };
    if (controlId >= kIdFunction0 && controlId <= kIdFunction24)
        return QString::fromUtf8(kFunctionCaptions[controlId - kIdFunction0]);
    switch (controlId) {
    case kIdPi: return QStringLiteral("PI");
    case kIdSign: return QStringLiteral("+/-");
    case kIdDivide: return QStringLiteral("/");
    case kIdMultiply: return QStringLiteral("*");
    case kIdSubtract: return QStringLiteral("-");
    case kIdAdd: return QStringLiteral("+");
    case kIdResult: return QStringLiteral("=");
    case kIdSeparator: return QStringLiteral(".");
    case kIdExp: return QStringLiteral("EXP");
    case kIdClear: return QStringLiteral("C");
    case kIdBackspace: return QStringLiteral("Cofnij");
    case kIdClearAll: return QStringLiteral("CE");
    case kIdCopy: return QStringLiteral("Kopiuj");
    case kIdPaste: return QStringLiteral("Wklej");
    case kIdInfo: return QStringLiteral("Info");
    case kIdCloseBracket: return QStringLiteral(")");
    default: return QString();
    }
}
