#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <optional>

class ClientArea;
class FormHost;
class QMenuBar;
class QScrollArea;
class QVBoxLayout;

// A window of the program. Every window follows one lifecycle, kept by the
// FormRegistry: one instance per kind; created on first reference, which runs
// formLoad() before anything else happens to it; hidden or shown; unloaded,
// which runs formUnload() and then destroys it with everything typed into it;
// and dropped without any unload when the program ends.
//
// Controls sit on client(), the window's inner area, at positions in twips.
class Form : public QWidget
{
    Q_OBJECT

public:
    enum class Border {
        FixedSingle, // title bar with minimise and close; no maximise, no resizing
        FixedDialog, // close box only; no resizing
        FixedTool,   // narrow tool caption with a close box; no resizing
        Sizable,     // close box only; the user may resize it
    };

    Form(FormHost &host, const QString &name);
    ~Form() override;

    QWidget *client() const;
    bool shownInTaskbar() const { return m_shownInTaskbar; }

    // Shows the window modeless, or brings it forward when already shown.
    void showForm();
    // What the store holds changed on disk by another hand: a window that
    // shows stored data shows the new data, unless the user has changed it
    // and not saved.
    virtual void followStore() {}
    // Runs the unload step and destroys the window.
    void unload();

protected:
    virtual void formLoad() {}
    virtual void formUnload() {}

    void setBorder(Border border);
    void setClientSize(int widthTwips, int heightTwips);
    // The inner area is filled with the colour, then the picture is drawn
    // from its top-left corner at its natural size.
    void setBackground(const QColor &colour, const QPixmap &picture = {});
    // White, under the program's ruled-paper picture of that many pixel rows
    // (408, or 450 for the tallest list).
    void setRuledBackground(int pictureHeight = 408);
    void setMenuBar(QMenuBar *bar);
    void setCentredOnScreen() { m_centred = true; }
    // Windows that are not shown in the task bar: dialogs, notes.
    void setShownInTaskbar(bool shown) { m_shownInTaskbar = shown; }
    void setClientOrigin(int leftTwips, int topTwips);
    // A strip below the inner area, outside the window's own layout; the
    // window grows by its height while it shows.
    void addFooter(QWidget *footer);

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    friend class FormRegistry; // runs the load and unload steps

    void placeForFirstShow();
    void mirrorControls();
    bool fitsOn(const QRect &available) const;
    void placeOnSmallScreen(const QRect &available);
    void pinFootButtons(QScrollArea *scroller);
    void focusFirstControl();

    FormHost &m_host;
    QVBoxLayout *m_layout;
    ClientArea *m_client;
    bool m_unloading = false;
    bool m_shownBefore = false;
    bool m_centred = false;
    bool m_shownInTaskbar = true;
    std::optional<QPoint> m_clientOrigin;
};
