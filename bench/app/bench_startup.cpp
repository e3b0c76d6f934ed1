// Start-up of vorenda with a kiosk cabinet of 1,000 and 10,000 picture items (cached
// thumbnails, 20 categories): the time from starting the program until the cabinet's
// window is mapped and drawn (the middle of the window no longer shows the empty
// screen behind it). The pictures may arrive later. Needs an X server: run it under
// xvfb-run -a -s "-screen 0 1920x1080x24".
// Target: 10,000 items shown within 0.5 s. Prints the median and the best of 5 starts.
//
// bench_startup [items] [path/to/vorenda]

#include "../support/BenchSupport.h"
#include "StoreListing.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSettings>
#include <QTextStream>

#include <xcb/xcb.h>

#include <poll.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <memory>

namespace {

const QString cabinetId = QStringLiteral("00112233445566778899aabbccddeeff");

class Display
{
public:
    Display()
        : connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(connection))
            return;
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection);
    }
    ~Display() { xcb_disconnect(connection); }

    bool usable() const { return !xcb_connection_has_error(connection) && root != 0; }

    // The next event within `timeout` milliseconds, null when none came.
    std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> next(int timeout)
    {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (!event) {
            pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
            if (poll(&descriptor, 1, timeout) > 0)
                event = xcb_poll_for_event(connection);
        }
        return {event, &std::free};
    }

    QString windowName(xcb_window_t window)
    {
        xcb_get_property_cookie_t cookie =
            xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
        QString name;
        if (reply) {
            name = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply)),
                                     xcb_get_property_value_length(reply));
            std::free(reply);
        }
        return name;
    }

    // The middle of `window`: a 16 x 16 square, in the window's and the root's coordinates.
    bool middle(xcb_window_t window, QRect& inWindow, QRect& onRoot)
    {
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
        if (!geometry)
            return false;
        inWindow = QRect(geometry->width / 2 - 8, geometry->height / 2 - 8, 16, 16);
        // Without a window manager a top-level window is a child of the root.
        onRoot = inWindow.translated(geometry->x, geometry->y);
        std::free(geometry);
        return true;
    }

    QByteArray pixels(xcb_window_t window, const QRect& area)
    {
        xcb_get_image_reply_t* image = xcb_get_image_reply(
            connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, int16_t(area.x()), int16_t(area.y()),
                          uint16_t(area.width()), uint16_t(area.height()), ~0u),
            nullptr);
        if (!image)
            return QByteArray();
        const QByteArray bytes(reinterpret_cast<const char*>(xcb_get_image_data(image)),
                               xcb_get_image_data_length(image));
        std::free(image);
        return bytes;
    }

    xcb_window_t rootWindow() const { return root; }
    QSize screenSize() const
    {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        return QSize(screen->width_in_pixels, screen->height_in_pixels);
    }

private:
    xcb_connection_t* connection;
    xcb_window_t root = 0;
};

// The whole screen as it was before the program started, 32 bits a pixel.
class ScreenShot
{
public:
    explicit ScreenShot(Display& display)
        : width(display.screenSize().width())
        , bytes(display.pixels(display.rootWindow(), QRect(QPoint(0, 0), display.screenSize())))
    {
    }

    // The pixels of `area`, row after row, as the server hands them for a window.
    QByteArray cut(const QRect& area) const
    {
        QByteArray result;
        for (int y = area.top(); y <= area.bottom(); ++y)
            result += bytes.mid((y * width + area.left()) * 4, area.width() * 4);
        return result;
    }

private:
    int width;
    QByteArray bytes;
};

// A home of its own for the program: settings, a store with the main data file and the
// kiosk cabinet, and a private runtime folder for the single-instance lock.
bool prepareHome(const QString& home, int count)
{
    const QString store = home + QStringLiteral("/store/");
    QSettings settings(home + QStringLiteral("/config/Vorenda/Vorenda.conf"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Main/StoreFolder"), store);
    settings.setValue(QStringLiteral("Main/VerCheckUrl"), QStringLiteral("http://127.0.0.1:1/vorenda-%1-%2.xml"));
    settings.setValue(QStringLiteral("Main/WelcomeShown"), true);
    settings.sync();

    VorendaGlobal::storeFolder = store;
    QDir().mkpath(store);
    QDir().mkpath(home + QStringLiteral("/runtime"));
    QFile::setPermissions(home + QStringLiteral("/runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                  | QFileDevice::ExeOwner);
    return settings.status() == QSettings::NoError && writeStoreListing(store, cabinetId)
        && writePictureCabinet(QDir(VorendaGlobal::getDataLocation()).filePath(cabinetId + QStringLiteral(".dat")),
                               count, true);
}

// Milliseconds from starting the program until its cabinet was drawn; -1 when it was
// not within a minute.
double timeOneStart(Display& display, const QString& program, const QString& home)
{
    const ScreenShot emptyScreen(display);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
    environment.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("none"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess vorenda;
    vorenda.setProcessEnvironment(environment);
    vorenda.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    vorenda.setStandardOutputFile(QProcess::nullDevice());

    while (display.next(0)) {
    }
    QElapsedTimer timer;
    timer.start();
    vorenda.start(program, QStringList());
    if (!vorenda.waitForStarted())
        return -1.0;
    // Before it is drawn, the window's middle shows the empty screen behind it; the
    // cabinet shows once it is drawn there.
    xcb_window_t cabinet = 0;
    QRect area;
    QByteArray empty;
    double ms = -1.0;
    while (ms < 0.0 && timer.elapsed() < 60000) {
        const auto event = display.next(cabinet ? 1 : 100);
        if (event && (event->response_type & 0x7F) == XCB_MAP_NOTIFY && !cabinet) {
            const xcb_window_t window = reinterpret_cast<const xcb_map_notify_event_t*>(event.get())->window;
            QRect onRoot;
            if (display.windowName(window) == QLatin1String("Vorenda") && display.middle(window, area, onRoot)) {
                cabinet = window;
                empty = emptyScreen.cut(onRoot);
            }
        }
        if (cabinet) {
            const QByteArray now = display.pixels(cabinet, area);
            if (!now.isEmpty() && now != empty)
                ms = timer.nsecsElapsed() / 1e6;
        }
    }
    ::kill(pid_t(vorenda.processId()), SIGTERM);
    if (!vorenda.waitForFinished(60000)) {
        vorenda.kill();
        vorenda.waitForFinished(5000);
    }
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    Display display;
    if (!display.usable()) {
        out << "bench_startup needs an X server: run it under xvfb-run -a -s \"-screen 0 1920x1080x24\"\n";
        return 1;
    }
    const QList<int> counts = countsFromArguments(argc, argv, {1000, 10000});
    const QString program = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                     : QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/vorenda");

    out << "Start-up until a kiosk cabinet of picture items is shown; milliseconds over 5 starts\n";
    out << " items | median |   best\n";
    for (int count : counts) {
        QTemporaryDir home;
        if (!prepareHome(home.path(), count)) {
            out << "cannot write the store for " << count << " items\n";
            continue;
        }
        QList<double> times;
        for (int run = 0; run < 5; ++run)
            times << timeOneStart(display, program, home.path());
        std::sort(times.begin(), times.end());
        out << QStringLiteral("%1 | %2 | %3\n").arg(count, 6).arg(times.at(times.size() / 2), 6, 'f', 0).arg(times.first(), 6, 'f', 0);
        out.flush();
    }
    out << "shown = from starting the program until the mapped cabinet window was drawn;\n"
           "-1 = not within a minute.\n";
    return 0;
}
