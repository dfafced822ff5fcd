// Ends a start-up measurement: once `ready` holds, the event loop gets one more turn (every
// event posted so far, the first paint of the window included, is handled) and then quits.
// With --widgets the window's widget classes are counted on standard error first.
#pragma once

#include <QApplication>
#include <QMap>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>

namespace belegix::bench {

inline void PrintWidgetCounts(const QWidget& window) {
    QMap<QString, int> counts;
    for (const QWidget* w : window.findChildren<QWidget*>())
        ++counts[QString::fromLatin1(w->metaObject()->className())];
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        std::fprintf(stderr, "%s %d\n", qPrintable(it.key()), it.value());
}

inline void QuitWhenIdleAfter(std::function<bool()> ready, const QWidget& window) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, ready = std::move(ready), &window] {
        if (!ready()) return;
        poll->stop();
        QTimer::singleShot(0, qApp, [&window] {
            if (QApplication::arguments().contains(QStringLiteral("--widgets")))
                PrintWidgetCounts(window);
            QApplication::quit();
        });
    });
    poll->start();
}

}  // namespace belegix::bench
