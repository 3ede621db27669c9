#include "ui/ProfilePainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "estimate/CourseReading.h"
#include "estimate/ProfileAxes.h"
#include "platform/Cp1252.h"
#include "ui/MainFormStepTypes.h"

namespace korvanta {

namespace {

constexpr qreal kDesignDpi = 96; // sizes below are pixels at this resolution
constexpr qreal kMarginLeft = 56;
constexpr qreal kMarginRight = 56;
constexpr qreal kMarginTop = 30;
constexpr qreal kMarginBottom = 40;
constexpr qreal kTextPoints = 8;
constexpr qreal kTitlePoints = 10;
constexpr qreal kCurveWidth = 1.8;
constexpr qreal kThinWidth = 0.8;

QColor LevelColor() {
    return {0x1f, 0x6f, 0xb2};
}
QColor LevelFill() {
    return {0x1f, 0x6f, 0xb2, 0x38};
}
QColor TemperatureColor() {
    return {0xd9, 0x76, 0x00};
}
QColor MissedColor() {
    return {0xd6, 0x27, 0x28};
}
QColor MissedBand() {
    return {0xfb, 0xe2, 0xe2};
}
QColor BandShade(bool odd) {
    return odd ? QColor(0xe6, 0xec, 0xf2) : QColor(0xf6, 0xf8, 0xfa);
}
QColor GridColor() {
    return {0xd3, 0xd9, 0xe0};
}
QColor TextColor() {
    return {0x30, 0x33, 0x38};
}
QColor AxisColor() {
    return {0x6a, 0x70, 0x78};
}

const char *TypeCaption(RecordType type) {
    for (const MainFormStepType &entry : kMainFormStepTypes)
        if (entry.type == type)
            return entry.caption;
    return "?";
}

qreal DpiOf(const QPainter &painter) {
    const QPaintDevice *device = painter.device();
    const int dpi = device ? device->logicalDpiY() : 0;
    return dpi > 0 ? dpi : kDesignDpi;
}

// The time axis of a course: the same for painting and for hit tests.
ProfileAxis TimeAxisOf(const CycleCourse &course) {
    return TimeAxis(course.totalSeconds);
}

// Everything the parts of the picture share: where the curves go and how values map there.
struct Frame {
    qreal u = 1; // device pixels per design pixel
    QRectF plot;
    ProfileAxis time;
    ProfileAxis level;
    ProfileAxis temperature;

    qreal X(double seconds) const { return plot.left() + seconds / time.maximum * plot.width(); }
    qreal LevelY(double code) const { return plot.bottom() - code / level.maximum * plot.height(); }
    qreal TemperatureY(double code) const {
        return plot.bottom() - code / temperature.maximum * plot.height();
    }
};

int64_t HighestLevel(const CycleCourse &course) {
    int64_t highest = 0;
    for (const CoursePoint &p : course.points)
        highest = std::max(highest, p.level);
    for (const CourseStep &s : course.steps)
        highest = std::max(highest, s.targetLevel.value_or(0));
    return highest;
}

int64_t HighestTemperature(const CycleCourse &course) {
    int64_t highest = 0;
    for (const CoursePoint &p : course.points)
        highest = std::max(highest, p.temperature);
    for (const CourseStep &s : course.steps)
        highest = std::max(highest, s.targetTemperature.value_or(0));
    return highest;
}

QPen Pen(const QColor &color, qreal designWidth, const Frame &f,
         Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(color, designWidth * f.u, style, Qt::RoundCap, Qt::RoundJoin);
    return pen;
}

QFont Font(const QPainter &painter, qreal points, bool bold = false) {
    QFont font = painter.font();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void DrawBands(QPainter &p, const Frame &f, const CycleCourse &course) {
    p.setFont(Font(p, kTextPoints));
    const QFontMetricsF metrics(p.font());
    bool odd = false;
    for (const CourseStep &s : course.steps) {
        const qreal x0 = f.X(static_cast<double>(s.startSeconds));
        const qreal x1 = f.X(static_cast<double>(s.endSeconds));
        if (s.endSeconds <= s.startSeconds) { // a step of no time: a mark where it stands
            p.setPen(Pen(s.reached ? AxisColor() : MissedColor(), s.reached ? kThinWidth : 2, f,
                         s.reached ? Qt::DotLine : Qt::SolidLine));
            p.drawLine(QPointF(x0, f.plot.top()), QPointF(x0, f.plot.bottom()));
            continue;
        }
        const QRectF band(x0, f.plot.top(), x1 - x0, f.plot.height());
        p.fillRect(band, s.reached ? BandShade(odd) : MissedBand());
        odd = !odd;
        const QString full = QStringLiteral("%1 %2").arg(s.ordinal).arg(TypeCaption(s.type));
        const QString number = QString::number(s.ordinal);
        const qreal room = band.width() - 4 * f.u;
        const QString label = metrics.horizontalAdvance(full) <= room     ? full
                              : metrics.horizontalAdvance(number) <= room ? number
                                                                          : QString();
        if (label.isEmpty())
            continue;
        p.setPen(s.reached ? TextColor() : MissedColor());
        p.drawText(QPointF(x0 + 2 * f.u, f.plot.top() + 2 * f.u + metrics.ascent()), label);
    }
}

void DrawGrid(QPainter &p, const Frame &f) {
    p.setPen(Pen(GridColor(), kThinWidth, f));
    for (const AxisTick &t : f.level.ticks)
        p.drawLine(QPointF(f.plot.left(), f.LevelY(t.value)),
                   QPointF(f.plot.right(), f.LevelY(t.value)));
}

// Leaves out the points in the middle of a level or upright run: they add nothing to the line
// and a long cycle has hundreds of them, each of which costs the stroker a join.
QPolygonF WithoutRunPoints(const QPolygonF &line) {
    QPolygonF kept;
    kept.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (i > 0 && i + 1 < line.size() && kept.size() > 0) {
            const QPointF &a = kept.back();
            const QPointF &b = line[i];
            const QPointF &c = line[i + 1];
            if ((a.y() == b.y() && b.y() == c.y()) || (a.x() == b.x() && b.x() == c.x()))
                continue;
        }
        kept.append(line[i]);
    }
    return kept;
}

// Curves join bevelled: at these widths a round join looks the same and costs far more.
QPen CurvePen(const QColor &color, const Frame &f) {
    return QPen(color, kCurveWidth * f.u, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin);
}

// Strokes a line in pieces of a few points: the rasteriser's work on one stroke grows with the
// area it spans, so a long cycle drawn in one piece costs several times more.
void DrawLine(QPainter &p, const QPolygonF &line) {
    constexpr qsizetype kPiece = 16; // segments per piece
    for (qsizetype first = 0; first + 1 < line.size(); first += kPiece)
        p.drawPolyline(line.constData() + first,
                       static_cast<int>(std::min(kPiece + 1, line.size() - first)));
}

void DrawLevel(QPainter &p, const Frame &f, const CycleCourse &course) {
    if (course.points.empty())
        return;
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(course.points.size()) + 2);
    for (const CoursePoint &pt : course.points)
        line.append(
            QPointF(f.X(static_cast<double>(pt.seconds)), f.LevelY(static_cast<double>(pt.level))));
    line = WithoutRunPoints(line);
    QPolygonF area = line;
    area.append(QPointF(line.back().x(), f.plot.bottom()));
    area.append(QPointF(line.front().x(), f.plot.bottom()));
    p.setPen(Qt::NoPen);
    p.setBrush(LevelFill());
    p.drawPolygon(area);
    p.setBrush(Qt::NoBrush);
    p.setPen(CurvePen(LevelColor(), f));
    DrawLine(p, line);
}

// The temperature of the water, where there is water: water flowing into an empty tub comes
// at its own temperature, water leaving keeps its temperature until the tub is empty.
void DrawTemperature(QPainter &p, const Frame &f, const CycleCourse &course) {
    p.setPen(CurvePen(TemperatureColor(), f));
    QPolygonF line;
    const auto flush = [&] {
        DrawLine(p, WithoutRunPoints(line));
        line.clear();
    };
    for (std::size_t i = 1; i < course.points.size(); ++i) {
        const CoursePoint &a = course.points[i - 1];
        const CoursePoint &b = course.points[i];
        if (a.level == 0 && b.level == 0) {
            flush();
            continue;
        }
        const double fromTemp = a.level == 0 ? b.temperature : a.temperature;
        const double toTemp = b.level == 0 ? a.temperature : b.temperature;
        const QPointF from(f.X(static_cast<double>(a.seconds)), f.TemperatureY(fromTemp));
        if (line.isEmpty() || line.back() != from)
            line.append(from);
        line.append(QPointF(f.X(static_cast<double>(b.seconds)), f.TemperatureY(toTemp)));
    }
    flush();
}

void DrawMissedMarker(QPainter &p, const Frame &f, QPointF at) {
    const qreal r = 4.5 * f.u;
    p.setPen(Pen(Qt::white, 1, f));
    p.setBrush(MissedColor());
    p.drawEllipse(at, r, r);
    p.setBrush(Qt::NoBrush);
}

void DrawTargets(QPainter &p, const Frame &f, const CycleCourse &course) {
    for (const CourseStep &s : course.steps) {
        const qreal x0 = f.X(static_cast<double>(s.startSeconds));
        const qreal x1 = f.X(static_cast<double>(s.endSeconds));
        const auto target = [&](std::optional<int64_t> value, const QColor &color, auto y) {
            if (!value)
                return;
            const qreal ty = y(static_cast<double>(*value));
            if (x1 > x0) {
                p.setPen(s.reached ? Pen(color, 1.2, f, Qt::DashLine)
                                   : Pen(MissedColor(), 1.6, f, Qt::DashLine));
                p.drawLine(QPointF(x0, ty), QPointF(x1, ty));
            }
            if (!s.reached)
                DrawMissedMarker(p, f, QPointF(x1, ty));
        };
        target(s.targetLevel, LevelColor(), [&](double v) { return f.LevelY(v); });
        target(s.targetTemperature, TemperatureColor(),
               [&](double v) { return f.TemperatureY(v); });
        if (!s.reached && !s.targetLevel && !s.targetTemperature)
            DrawMissedMarker(p, f, QPointF(x1, f.plot.top() + 8 * f.u));
    }
}

void DrawAxes(QPainter &p, const Frame &f) {
    p.setFont(Font(p, kTextPoints));
    const QFontMetricsF metrics(p.font());
    const qreal tick = 4 * f.u;
    p.setPen(Pen(AxisColor(), kThinWidth, f));
    p.drawRect(f.plot);
    for (const AxisTick &t : f.level.ticks) {
        const qreal y = f.LevelY(t.value);
        p.setPen(Pen(AxisColor(), kThinWidth, f));
        p.drawLine(QPointF(f.plot.left() - tick, y), QPointF(f.plot.left(), y));
        p.setPen(LevelColor());
        const QString label = FromCp1252(t.label);
        p.drawText(QPointF(f.plot.left() - tick - 2 * f.u - metrics.horizontalAdvance(label),
                           y + metrics.capHeight() / 2),
                   label);
    }
    for (const AxisTick &t : f.temperature.ticks) {
        const qreal y = f.TemperatureY(t.value);
        p.setPen(Pen(AxisColor(), kThinWidth, f));
        p.drawLine(QPointF(f.plot.right(), y), QPointF(f.plot.right() + tick, y));
        p.setPen(TemperatureColor());
        p.drawText(QPointF(f.plot.right() + tick + 2 * f.u, y + metrics.capHeight() / 2),
                   FromCp1252(t.label));
    }
    for (const AxisTick &t : f.time.ticks) {
        const qreal x = f.X(t.value);
        p.setPen(Pen(AxisColor(), kThinWidth, f));
        p.drawLine(QPointF(x, f.plot.bottom()), QPointF(x, f.plot.bottom() + tick));
        p.setPen(TextColor());
        const QString label = FromCp1252(t.label);
        p.drawText(QPointF(x - metrics.horizontalAdvance(label) / 2,
                           f.plot.bottom() + tick + 2 * f.u + metrics.ascent()),
                   label);
    }
    // Axis titles: time centred below, level and temperature turned along their axes.
    const QString timeTitle = FromCp1252(f.time.title);
    p.setPen(TextColor());
    p.drawText(QPointF(f.plot.center().x() - metrics.horizontalAdvance(timeTitle) / 2,
                       f.plot.bottom() + tick + 4 * f.u + metrics.height() + metrics.ascent()),
               timeTitle);
    const auto turned = [&](const std::string &text, const QColor &color, qreal x, qreal angle) {
        const QString title = FromCp1252(text);
        p.save();
        p.translate(x, f.plot.center().y());
        p.rotate(angle);
        p.setPen(color);
        p.drawText(QPointF(-metrics.horizontalAdvance(title) / 2, 0), title);
        p.restore();
    };
    turned(f.level.title, LevelColor(),
           f.plot.left() - kMarginLeft * f.u + 4 * f.u + metrics.ascent(), -90);
    turned(f.temperature.title, TemperatureColor(),
           f.plot.right() + kMarginRight * f.u - 4 * f.u - metrics.ascent(), 90);
}

// The title at the left of the top line, a key to the lines at its right.
void DrawHeading(QPainter &p, const Frame &f, const QRectF &area, const std::string &title) {
    const qreal baseline = area.top() + 8 * f.u;
    p.setFont(Font(p, kTitlePoints, true));
    const QFontMetricsF titleMetrics(p.font());
    p.setPen(TextColor());
    p.drawText(QPointF(f.plot.left(), baseline + titleMetrics.ascent()), FromCp1252(title));

    p.setFont(Font(p, kTextPoints));
    const QFontMetricsF metrics(p.font());
    const qreal y = baseline + titleMetrics.ascent() - metrics.capHeight() / 2;
    struct Key {
        QString text;
        QPen pen;
        bool marker;
    };
    const Key keys[] = {
        {QStringLiteral("Level"), Pen(LevelColor(), kCurveWidth, f), false},
        {QStringLiteral("Temperature"), Pen(TemperatureColor(), kCurveWidth, f), false},
        {QStringLiteral("Target"), Pen(AxisColor(), 1.2, f, Qt::DashLine), false},
        {QStringLiteral("Target missed"), QPen(), true},
    };
    const qreal sample = 16 * f.u;
    const qreal gap = 10 * f.u;
    qreal width = 0;
    for (const Key &k : keys)
        width += sample + 4 * f.u + metrics.horizontalAdvance(k.text) + gap;
    qreal x = f.plot.right() - width + gap;
    for (const Key &k : keys) {
        if (k.marker) {
            DrawMissedMarker(p, f, QPointF(x + sample / 2, y));
        } else {
            p.setPen(k.pen);
            p.drawLine(QPointF(x, y), QPointF(x + sample, y));
        }
        p.setPen(TextColor());
        p.drawText(QPointF(x + sample + 4 * f.u, y + metrics.capHeight() / 2), k.text);
        x += sample + 4 * f.u + metrics.horizontalAdvance(k.text) + gap;
    }
}

Frame FrameFor(const QRectF &area, qreal dpi, const CycleCourse &course,
               const MachineConfig *config) {
    Frame f;
    f.u = dpi / kDesignDpi;
    f.plot = ProfilePlotRect(area, dpi);
    f.time = TimeAxisOf(course);
    if (config) {
        f.level = LevelAxis(HighestLevel(course), *config);
        f.temperature = TemperatureAxis(HighestTemperature(course), *config);
    }
    return f;
}

} // namespace

QRectF ProfilePlotRect(const QRectF &area, qreal dpi) {
    const qreal u = dpi / kDesignDpi;
    QRectF plot =
        area.adjusted(kMarginLeft * u, kMarginTop * u, -kMarginRight * u, -kMarginBottom * u);
    plot.setWidth(std::max<qreal>(plot.width(), 1));
    plot.setHeight(std::max<qreal>(plot.height(), 1));
    return plot;
}

void PaintCycleProfile(QPainter &painter, const QRectF &area, const CycleCourse &course,
                       const MachineConfig &config, const std::string &title) {
    painter.save();
    const Frame f = FrameFor(area, DpiOf(painter), course, &config);
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(area, Qt::white);
    DrawBands(painter, f, course);
    DrawGrid(painter, f);
    DrawLevel(painter, f, course);
    DrawTemperature(painter, f, course);
    DrawTargets(painter, f, course);
    DrawAxes(painter, f);
    DrawHeading(painter, f, area, title);
    if (course.steps.empty()) {
        painter.setPen(TextColor());
        painter.setFont(Font(painter, kTitlePoints));
        painter.drawText(f.plot, Qt::AlignCenter, QStringLiteral("No steps"));
    }
    painter.restore();
}

ProfileHit ProfileHitTest(const QRectF &area, qreal dpi, const CycleCourse &course, qreal x) {
    const Frame f = FrameFor(area, dpi, course, nullptr);
    ProfileHit hit;
    const double seconds = (x - f.plot.left()) / f.plot.width() * f.time.maximum;
    hit.outside = x < f.plot.left() || x > f.plot.right() ||
                  seconds > static_cast<double>(course.totalSeconds);
    hit.seconds = std::clamp(seconds, 0.0, static_cast<double>(course.totalSeconds));
    const CourseReading reading = ReadCourse(course, hit.seconds);
    hit.step = reading.step;
    hit.level = reading.level;
    hit.temperature = reading.temperature;
    return hit;
}

qreal ProfileTimeX(const QRectF &area, qreal dpi, const CycleCourse &course, double seconds) {
    return FrameFor(area, dpi, course, nullptr).X(seconds);
}

} // namespace korvanta
