// The floor Velmorwick's start-up is measured against: a plain Qt main window
// of the same weight, doing nothing a to-do list needs beyond it. A menu bar
// of 20 actions, 15 tick boxes and 15 text boxes, 4 buttons, an 800x600
// background from the resources, one settings read, PrintSupport linked.
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>

namespace {

class Paper : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).drawPixmap(0, 0, m_picture);
    }

private:
    QPixmap m_picture{QStringLiteral(":/floor/background-800x600.png")};
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VelmorwickFloor"),
                             QStringLiteral("Floor"));
    const QString title = settings.value(QStringLiteral("Floor/Title"), QStringLiteral("Floor")).toString();

    QMainWindow window;
    window.setWindowTitle(title);
    for (int m = 0; m < 4; ++m) {
        QMenu *menu = window.menuBar()->addMenu(QStringLiteral("Menu &%1").arg(m + 1));
        for (int a = 0; a < 5; ++a)
            menu->addAction(QStringLiteral("Action %1").arg(a + 1));
    }
    auto *paper = new Paper;
    auto *grid = new QGridLayout(paper);
    for (int row = 0; row < 15; ++row) {
        grid->addWidget(new QCheckBox, row, 0);
        grid->addWidget(new QLineEdit(QStringLiteral("task %1").arg(row + 1)), row, 1);
    }
    for (int b = 0; b < 4; ++b)
        grid->addWidget(new QPushButton(QStringLiteral("Button %1").arg(b + 1)), 15, b % 2, 1, 1);
    window.setCentralWidget(paper);
    // Keeps PrintSupport linked and loaded, as the program has it.
    QPrinter *printer = argc > 99 ? new QPrinter : nullptr;
    window.show();
    const int status = app.exec();
    delete printer;
    return status;
}
