#pragma once

#include "bench/Stopwatch.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

// The benchmarks' application, offscreen unless QT_QPA_PLATFORM says otherwise. Times the paint
// events of one widget, the host's document view, so that a benchmark can tell the host's
// repaint from the plug-ins' work in the same runs.
class BenchApplication final : public QApplication
{
public:
    BenchApplication(int& argc, char** argv);

    // Times paint events sent to `widget` from now on (the document window's viewport).
    void TimePaintsOf(QWidget* widget);
    // Since the last Reset.
    const Elapsed& Painting() const { return m_painting; }
    int Paints() const { return m_paints; }
    void Reset();

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QPointer<QWidget> m_timed;
    Elapsed m_painting;
    int m_paints = 0;
};
