#pragma once

#include <QString>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

// What became of a print.
struct PrintOutcome
{
    enum class Status {
        Printed,
        NoPrinter, // nothing to print on: the command does nothing
        Refused,   // the system would not take the job; reason says why
    };
    Status status = Status::Printed;
    QString reason;
};

// Prints the image of a window's inner area. Tests replace it.
class WindowPrinter
{
public:
    virtual ~WindowPrinter() = default;
    // One page with the area as it stands.
    virtual PrintOutcome print(QWidget *area) = 0;
};

// The user's default printer, when there is one. The print system may turn
// a job down only once Qt has handed it over, and Qt does not tell; the
// platform's lastJobRefusal asks the print system right after.
class DefaultPrinter final : public WindowPrinter
{
public:
    using RefusalCheck = std::function<std::optional<QString>()>;
    explicit DefaultPrinter(RefusalCheck lastJobRefusal = {})
        : m_lastJobRefusal(std::move(lastJobRefusal))
    {
    }

    PrintOutcome print(QWidget *area) override;

private:
    RefusalCheck m_lastJobRefusal;
};

// Draws the area on one page, scaled to fit the printable part of the page
// and drawn at the printer's own resolution (text stays sharp). False when
// the printer refused the job.
bool printOnOnePage(QWidget *area, QPrinter &printer);
