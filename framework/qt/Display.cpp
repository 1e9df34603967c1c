#include "Display.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace fw::qt {

namespace {

constexpr const char* kDisplayVariables[] = {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"};

// Linux and the BSDs show windows through X11 or Wayland, whose display the environment names. macOS
// and Windows have their display without any variable, so there a missing one means nothing.
#if (defined(Q_OS_LINUX) || defined(Q_OS_BSD4)) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
constexpr bool kDisplayNamedByEnvironment = true;
#else
constexpr bool kDisplayNamedByEnvironment = false;
#endif

[[noreturn]] void endWithoutDisplay(const std::string& line)
{
    std::fputs(line.c_str(), stderr);
    std::fflush(nullptr);
    // Straight out: Qt is half made, and the destructors of its statics would trip over that.
    std::_Exit(2);
}

// What Qt says while the QApplication is made, held back until it is clear whether Qt could open the
// display: on success it is passed on as it came, on failure our one line replaces it.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

struct Opening {
    const char* programName = nullptr;
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
};

Opening* opening = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::string settings = DisplaySettings();
        endWithoutDisplay(std::string(opening->programName) + ": cannot open the display" +
                          (settings.empty() ? "" : " (" + settings + ")") +
                          "; start it from a desktop session.\n");
    }
    opening->held.push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

} // namespace

std::string DisplaySettings()
{
    std::string settings;
    for (const char* variable : kDisplayVariables)
        if (const char* value = std::getenv(variable); value && *value)
            settings += (settings.empty() ? "" : ", ") + std::string(variable) + "=" + value;
    return settings;
}

std::unique_ptr<QApplication> OpenDisplay(int& argc, char** argv, const char* programName)
{
    if (kDisplayNamedByEnvironment && DisplaySettings().empty())
        endWithoutDisplay(std::string(programName) +
                          ": no display found (DISPLAY is not set); start it from a desktop session.\n");

    // Qt opens the display inside the QApplication constructor; when no platform plugin can start there
    // (no server at DISPLAY, no compositor at WAYLAND_DISPLAY, an unknown QT_QPA_PLATFORM, a refused
    // connection) it reports a fatal message and aborts. That fatal message is the one sure sign of
    // every such cause, so we catch it on its way through the message handler and end with status 2
    // instead. Probing the display beforehand would be weaker: a socket check cannot tell whether Qt
    // will be let in or finds its plugin, and a trial QApplication in a child process doubles the
    // start-up time.
    Opening state{programName, nullptr, {}};
    opening = &state;
    state.previous = qInstallMessageHandler(&holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(state.previous);
    opening = nullptr;
    auto orNull = [](const QByteArray& text) { return text.isNull() ? nullptr : text.constData(); };
    for (const HeldMessage& message : state.held) {
        QMessageLogContext context(orNull(message.file), message.line, orNull(message.function),
                                   orNull(message.category));
        if (state.previous)
            state.previous(message.type, context, message.text);
    }
    return application;
}

} // namespace fw::qt
