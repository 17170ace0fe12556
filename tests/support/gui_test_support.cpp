#include "support/gui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

void ModalAnswerer::expectModal(int timeoutMs)
{
    m_seen = false;
    auto *timer = new QTimer;
    auto *elapsed = new int(0);
    QObject::connect(timer, &QTimer::timeout, timer, [this, timer, elapsed, timeoutMs] {
        *elapsed += 20;
        QWidget *modal = QApplication::activeModalWidget();
        if (modal || *elapsed > timeoutMs) {
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                m_seen = true;
                m_title = box->windowTitle();
                m_text = box->text();
                QAbstractButton *button = box->defaultButton();
                box->done(button ? box->standardButton(button) : QMessageBox::Ok);
            } else if (modal) {
                m_seen = true;
                m_title = modal->windowTitle();
                modal->close();
            }
            timer->stop();
            timer->deleteLater();
            delete elapsed;
        }
    });
    timer->start(20);
}

QString saveScreenshot(QWidget *widget, const QString &name)
{
    const QString folder = QStringLiteral(ORVANTA_BINARY_DIR "/screenshots");
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    widget->grab().save(path);
    return path;
}
