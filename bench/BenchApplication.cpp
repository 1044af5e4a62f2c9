#include "bench/BenchApplication.h"

#include "bench/BenchRun.h"

#include <QEvent>

namespace {

// Before the application exists, so that the platform is chosen by then.
int& ChooseOffscreen(int& argc)
{
    ChooseOffscreenPlatform();
    return argc;
}

}  // namespace

BenchApplication::BenchApplication(int& argc, char** argv)
    : QApplication(ChooseOffscreen(argc), argv)
{
    // Drawn as hueline-host draws.
    setStyle(QStringLiteral("Fusion"));
}

void BenchApplication::TimePaintsOf(QWidget* widget)
{
    m_timed = widget;
}

void BenchApplication::Reset()
{
    m_painting = Elapsed{};
    m_paints = 0;
}

bool BenchApplication::notify(QObject* receiver, QEvent* event)
{
    if (event->type() != QEvent::Paint || receiver != m_timed.data())
        return QApplication::notify(receiver, event);
    const Stopwatch watch;
    const bool handled = QApplication::notify(receiver, event);
    m_painting += watch.Read();
    ++m_paints;
    return handled;
}
