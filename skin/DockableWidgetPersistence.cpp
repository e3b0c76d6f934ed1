// The docking frame's two stored forms: elements of a cabinet data file and a
// flat settings group. Both readers place the widget and restart docking.

#include "DockableWidget.h"

#include "ScreenFunctions.h"
#include "VorendaGlobal.h"
#include "XmlAttributes.h"

#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString attributesElement = QStringLiteral("Attributes");
const QString shownElement = QStringLiteral("Shown");
const QString dockedElement = QStringLiteral("Docked");
const QString undockedElement = QStringLiteral("Undocked");
const QString hotkeysElement = QStringLiteral("Hotkeys");

QString number(int value)
{
    return QString::number(value);
}

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

void writeRect(QXmlStreamWriter& writer, const QString& name, const QRect& rect)
{
    writer.writeEmptyElement(name);
    writer.writeAttribute(QStringLiteral("x"), number(rect.left()));
    writer.writeAttribute(QStringLiteral("y"), number(rect.top()));
    writer.writeAttribute(QStringLiteral("width"), number(rect.right() - rect.left() + 1));
    writer.writeAttribute(QStringLiteral("height"), number(rect.bottom() - rect.top() + 1));
}

// Attributes that are absent or not decimal read as 0.
int intOf(const QXmlStreamAttributes& attributes, const QString& name)
{
    int value = 0;
    setIntAttribute(attributes, name, &value);
    return value;
}

// A stored number bounded to minimum..maximum before any arithmetic on it.
int boundedOf(const QXmlStreamAttributes& attributes, const QString& name, int minimum, int maximum)
{
    return qBound(minimum, intOf(attributes, name), maximum);
}

// Coordinates and sizes stay within what a widget may measure, so that no sum of
// two of them overflows; a size beyond it is still seen as one and skipped.
int coordinateOf(const QXmlStreamAttributes& attributes, const QString& name)
{
    return boundedOf(attributes, name, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

int sizeOf(const QXmlStreamAttributes& attributes, const QString& name)
{
    return boundedOf(attributes, name, -1, QWIDGETSIZE_MAX + 1);
}

int delayOf(int value)
{
    return qBound(0, value, DockableWidget::maximumDelay);
}

// A stored rectangle whose corners lie outside what a widget may measure is none.
QRect boundedRect(const QRect& rect)
{
    const auto inside = [](int value) { return value >= -QWIDGETSIZE_MAX && value <= QWIDGETSIZE_MAX; };
    if (!inside(rect.left()) || !inside(rect.top()) || !inside(rect.right()) || !inside(rect.bottom()))
        return QRect();
    return rect;
}

bool boolOf(const QXmlStreamAttributes& attributes, const QString& name)
{
    bool value = false;
    setBoolAttribute(attributes, name, value);
    return value;
}

bool isSaneSize(int width, int height)
{
    return width > 0 && height > 0 && width <= QWIDGETSIZE_MAX && height <= QWIDGETSIZE_MAX;
}

DockableWidget::Mode modeOf(int value, const QString& source)
{
    if (value >= DockableWidget::Undocked && value <= DockableWidget::DockedBottom)
        return DockableWidget::Mode(value);
    VorendaGlobal::addToLog(QStringLiteral("DockableWidget: Unknown mode %1 in %2, undocked instead").arg(value).arg(source));
    return DockableWidget::Undocked;
}

QTimeLine::CurveShape curveOf(int value)
{
    if (value >= QTimeLine::EaseInCurve && value <= QTimeLine::CosineCurve)
        return QTimeLine::CurveShape(value);
    return QTimeLine::EaseInOutCurve;
}

} // namespace

void DockableWidget::readUnknownElement(QXmlStreamReader& reader)
{
    ::readUnknownElement(reader);
}

void DockableWidget::save(QXmlStreamWriter& writer)
{
    if (!widget)
        return;
    if (!isDocked() && !maximized) {
        undockedGeometry = widget->geometry();
        shownGeometry = undockedGeometry;
    }
    writer.writeEmptyElement(attributesElement);
    writer.writeAttribute(QStringLiteral("stayontop"), flag(staysOnTop()));
    writer.writeAttribute(QStringLiteral("mode"), number(dockMode));
    writer.writeAttribute(QStringLiteral("autohide"), flag(autoHideOn));
    writer.writeAttribute(QStringLiteral("autohidedelay"), number(hideDelay));
    writer.writeAttribute(QStringLiteral("showdelay"), number(revealDelay));
    writer.writeAttribute(QStringLiteral("animduration"), number(animationDuration()));
    writer.writeAttribute(QStringLiteral("animcurveshape"), number(animationCurveShape()));
    writer.writeAttribute(QStringLiteral("visiblesize"), number(visible));
    writer.writeAttribute(QStringLiteral("maximized"), flag(maximized));
    writer.writeAttribute(QStringLiteral("stretched"), flag(stretched));

    // A maximised widget stores its normal geometry.
    writeRect(writer, shownElement, maximized ? savedShownRect : shownGeometry);
    writeRect(writer, dockedElement, maximized ? savedDockedRect : dockedGeometry);
    writeRect(writer, undockedElement, maximized ? savedUndockedRect : undockedGeometry);

    writer.writeEmptyElement(hotkeysElement);
    writer.writeAttribute(QStringLiteral("show"), showKeys.toString(QKeySequence::PortableText));
    writer.writeAttribute(QStringLiteral("hide"), hideKeys.toString(QKeySequence::PortableText));
    writer.writeAttribute(QStringLiteral("modifiers"), number(int(revealModifiers)));
    writer.writeAttribute(QStringLiteral("mouse"), flag(showByMouse));
}

void DockableWidget::resetForRestore()
{
    // Unbind first, or the old global hotkey would stay with nobody to unbind it.
    setShowHotkey(QKeySequence());
    setHideHotkey(QKeySequence());
    dockMode = Undocked;
    slideState = Hidden;
    hideDelay = defaultAutoHideDelay;
    revealDelay = 0;
    showByMouse = true;
    autoHideOn = true;
    maximized = false;
    stretched = false;
    visible = 0;
    revealModifiers = Qt::NoModifier;
    stopTimers();
    widget->setVisible(false);
}

bool DockableWidget::restore(QXmlStreamReader& reader)
{
    if (!widget) {
        ::readUnknownElement(reader);
        return false;
    }
    resetForRestore();
    QKeySequence show;
    QKeySequence hide;
    bool rectsRead = false;
    // Every child is read to its end, so the first end element closes the frame's element.
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement())
            break;
        if (!reader.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const QStringRef name = reader.name();
        if (name == attributesElement) {
            dockMode = modeOf(intOf(attributes, QStringLiteral("mode")), QStringLiteral("the data file"));
            visible = boundedOf(attributes, QStringLiteral("visiblesize"), 0, QWIDGETSIZE_MAX);
            revealDelay = delayOf(intOf(attributes, QStringLiteral("showdelay")));
            setAutoHideDelay(delayOf(intOf(attributes, QStringLiteral("autohidedelay"))));
            autoHideOn = boolOf(attributes, QStringLiteral("autohide"));
            maximized = boolOf(attributes, QStringLiteral("maximized"));
            stretched = topLevel && boolOf(attributes, QStringLiteral("stretched"));
            if (topLevel)
                stayOnTop(boolOf(attributes, QStringLiteral("stayontop")));
            setAnimationParams(delayOf(intOf(attributes, QStringLiteral("animduration"))),
                               curveOf(intOf(attributes, QStringLiteral("animcurveshape"))));
        } else if (name == shownElement || name == dockedElement || name == undockedElement) {
            const int width = sizeOf(attributes, QStringLiteral("width"));
            const int height = sizeOf(attributes, QStringLiteral("height"));
            if (!isSaneSize(width, height)) {
                VorendaGlobal::addToLog(QStringLiteral("DockableWidget: Skipped the %1 rectangle of size %2 x %3")
                                            .arg(name.toString())
                                            .arg(width)
                                            .arg(height));
            } else {
                const QRect rect(coordinateOf(attributes, QStringLiteral("x")), coordinateOf(attributes, QStringLiteral("y")),
                                 width, height);
                (name == shownElement ? shownGeometry : name == dockedElement ? dockedGeometry : undockedGeometry) = rect;
                rectsRead = true;
            }
        } else if (name == hotkeysElement) {
            revealModifiers = Qt::KeyboardModifiers(intOf(attributes, QStringLiteral("modifiers")))
                              & Qt::KeyboardModifierMask;
            setKeySequenceAttribute(attributes, QStringLiteral("show"), show, false);
            setKeySequenceAttribute(attributes, QStringLiteral("hide"), hide, false);
            showByMouse = boolOf(attributes, QStringLiteral("mouse"));
        } else {
            ::readUnknownElement(reader);
            continue;
        }
        reader.skipCurrentElement();
    }
    const bool placed = placeRestored(rectsRead, false);
    setShowHotkey(show);
    setHideHotkey(hide);
    return placed;
}

bool DockableWidget::placeRestored(bool rectsRead, bool fromSettings)
{
    if (!isDocked()) {
        if (topLevel && !isValid(undockedGeometry, Undocked)) {
            if (!undockedGeometry.isValid())
                undockedGeometry = widget->geometry();
            ::centerOnScreen(undockedGeometry);
        }
        widget->setGeometry(undockedGeometry);
        if (topLevel && maximized) {
            savedDockedRect = dockedGeometry;
            savedShownRect = shownGeometry;
            savedUndockedRect = undockedGeometry;
            maximizedMode = Undocked;
            widget->setGeometry(screenGeometry(screenNumber()));
        }
        // A window waits for its owner to show it.
        if (!topLevel)
            show();
        return fromSettings || rectsRead;
    }

    if (topLevel && maximized) {
        savedDockedRect = dockedGeometry;
        savedShownRect = shownGeometry;
        savedUndockedRect = undockedGeometry;
        maximizedMode = dockMode;
        setFrameGeometry(shownGeometry);
        widget->setGeometry(screenGeometry(screenNumber()));
        widgetResized(nullptr);
    }
    setFrameGeometry(dockedGeometry);
    if (topLevel && !isValid(widget->frameGeometry(), dockMode)) {
        // Its screen is gone: back as an ordinary window.
        const Mode lost = dockMode;
        stretched = false;
        setMode(Undocked, false);
        VorendaGlobal::addToLog(QStringLiteral("DockableWidget: The edge of mode %1 is on no screen, undocked").arg(lost));
        return false;
    }
    if (!rectsRead && !fromSettings)
        return false;
    // The screens may have changed since the frame was saved.
    if (topLevel) {
        if (stretched && !maximized) {
            sizeBeforeStretch = undockedGeometry.isValid() ? undockedGeometry.size() : widget->size();
            applyStretch();
        }
        widgetResized(nullptr);
        setFrameGeometry(dockedGeometry);
    } else {
        parentResized(nullptr);
    }
    if (visible != 0)
        bringToFront();
    updateFrameRange();
    mousePollTimer->start(mousePollInterval);
    return true;
}

void DockableWidget::save(QSettings& settings)
{
    if (!widget)
        return;
    if (!isDocked() && !maximized) {
        undockedGeometry = widget->geometry();
        shownGeometry = undockedGeometry;
    }
    // The normal geometry, as in the file form: a maximised widget must be able
    // to return from full screen after a restart.
    settings.setValue(QStringLiteral("DockedRect"), maximized ? savedDockedRect : dockedGeometry);
    settings.setValue(QStringLiteral("ShownRect"), maximized ? savedShownRect : shownGeometry);
    settings.setValue(QStringLiteral("UndockedRect"), maximized ? savedUndockedRect : undockedGeometry);
    settings.setValue(QStringLiteral("Mode"), int(dockMode));
    settings.setValue(QStringLiteral("ShowModifiers"), int(revealModifiers));
    settings.setValue(QStringLiteral("ShowDelay"), revealDelay);
    settings.setValue(QStringLiteral("VisibleSize"), visible);
    settings.setValue(QStringLiteral("AnimDuration"), animationDuration());
    settings.setValue(QStringLiteral("AnimCurveShape"), int(animationCurveShape()));
    settings.setValue(QStringLiteral("AutoHideDelay"), hideDelay);
    settings.setValue(QStringLiteral("AutoHide"), autoHideOn);
    settings.setValue(QStringLiteral("ShowHotkey"), showKeys.toString(QKeySequence::PortableText));
    settings.setValue(QStringLiteral("HideHotkey"), hideKeys.toString(QKeySequence::PortableText));
    settings.setValue(QStringLiteral("StayOnTop"), staysOnTop());
    settings.setValue(QStringLiteral("Maximized"), maximized);
    settings.setValue(QStringLiteral("ShowByMouse"), showByMouse);
    settings.setValue(QStringLiteral("Stretched"), stretched);
}

bool DockableWidget::restore(QSettings& settings)
{
    if (!widget)
        return false;
    bool modeOk = false;
    const int modeValue = settings.value(QStringLiteral("Mode")).toInt(&modeOk);
    if (!modeOk)
        return false;
    resetForRestore();
    const auto intValue = [&settings](const char* key, int fallback) {
        bool ok = false;
        const int value = settings.value(QLatin1String(key), fallback).toInt(&ok);
        return ok ? value : fallback;
    };
    dockedGeometry = boundedRect(settings.value(QStringLiteral("DockedRect"), QRect()).toRect());
    shownGeometry = boundedRect(settings.value(QStringLiteral("ShownRect"), QRect()).toRect());
    undockedGeometry = boundedRect(settings.value(QStringLiteral("UndockedRect"), QRect()).toRect());
    dockMode = modeOf(modeValue, QStringLiteral("the settings"));
    revealModifiers = Qt::KeyboardModifiers(settings.value(QStringLiteral("ShowModifiers"), 0).toUInt())
                      & Qt::KeyboardModifierMask;
    revealDelay = delayOf(intValue("ShowDelay", 0));
    visible = qBound(0, intValue("VisibleSize", 0), QWIDGETSIZE_MAX);
    setAutoHideDelay(delayOf(intValue("AutoHideDelay", defaultAutoHideDelay)));
    autoHideOn = settings.value(QStringLiteral("AutoHide"), true).toBool();
    maximized = settings.value(QStringLiteral("Maximized"), false).toBool();
    showByMouse = settings.value(QStringLiteral("ShowByMouse"), true).toBool();
    stretched = topLevel && settings.value(QStringLiteral("Stretched"), false).toBool();
    if (topLevel)
        stayOnTop(settings.value(QStringLiteral("StayOnTop"), false).toBool());
    setAnimationParams(delayOf(intValue("AnimDuration", 1000)),
                       curveOf(intValue("AnimCurveShape", QTimeLine::EaseInOutCurve)));

    const bool placed = placeRestored(true, true);
    setShowHotkey(QKeySequence::fromString(settings.value(QStringLiteral("ShowHotkey")).toString(),
                                           QKeySequence::PortableText));
    setHideHotkey(QKeySequence::fromString(settings.value(QStringLiteral("HideHotkey")).toString(),
                                           QKeySequence::PortableText));
    return placed;
}
