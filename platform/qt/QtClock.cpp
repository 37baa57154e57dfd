#include "QtClock.h"

#include <QDateTime>
#include <QThread>

namespace quillmark::qt {

LocalTime QtClock::now() const {
    const QDateTime current = QDateTime::currentDateTime();
    const QDate date = current.date();
    const QTime time = current.time();
    return LocalTime{date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

void QtClock::sleep(int milliseconds) {
    if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

}  // namespace quillmark::qt
