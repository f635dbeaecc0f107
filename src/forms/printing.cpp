#include "printing.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <algorithm>

void DefaultPrinter::print(QWidget *area)
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    // Without a default printer QPrinter would quietly pick another one, or a PDF file.
    if (target.isNull())
        return;
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(area->window()->windowTitle());
    printOnOnePage(area, printer);
}

bool printOnOnePage(QWidget *area, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const QSize source = area->size();
    if (source.isEmpty())
        return false;
    const qreal scale = std::min(page.width() / source.width(), page.height() / source.height());
    painter.scale(scale, scale);
    area->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return painter.end();
}
