#pragma once

class QPrinter;
class QWidget;

// Prints the image of a window's inner area. Tests replace it.
class WindowPrinter
{
public:
    virtual ~WindowPrinter() = default;
    // One page with the area as it stands; a failure changes nothing and is
    // not reported.
    virtual void print(QWidget *area) = 0;
};

// The user's default printer, when there is one.
class DefaultPrinter final : public WindowPrinter
{
public:
    void print(QWidget *area) override;
};

// Draws the area on one page, scaled to fit the printable part of the page
// and drawn at the printer's own resolution (text stays sharp). False when
// the printer refused the job.
bool printOnOnePage(QWidget *area, QPrinter &printer);
