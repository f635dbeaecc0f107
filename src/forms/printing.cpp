#include "printing.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <algorithm>

PrintOutcome DefaultPrinter::print(QWidget *area)
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    // Without a default printer QPrinter would quietly pick another one, or a PDF file.
    if (target.isNull())
        return {PrintOutcome::Status::NoPrinter, {}};
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(area->window()->windowTitle());
    if (!printOnOnePage(area, printer) || printer.printerState() == QPrinter::Error) {
        return {PrintOutcome::Status::Refused,
                QObject::tr("the printer %1 did not accept the job").arg(target.printerName())};
    }
    if (m_lastJobRefusal) {
        if (const std::optional<QString> refusal = m_lastJobRefusal())
            return {PrintOutcome::Status::Refused, *refusal};
    }
    return {};
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
