// The print dialog's window: a printer chooser listing the driver's printers,
// the Presets menu, the pane list (copies and pages, the extensions' panels
// in print order, the summary) beside the pane shown, and Help, Cancel and
// Print. It drives the panels exactly as the headless printdialog does
// (DialogPanels), keeps the same per-printer settings (SettingsStore) and
// hands the same job options to CUPS.
//
// Print asks every panel (shouldPrint); when all agree it keeps the last used
// settings and submits the document to the chosen queue through libcups, or,
// with --options, writes the job options on standard output instead. Cancel
// and the window's close button end the dialog without printing.
#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/CommandLine.h"
#include "host/gtk/GtkToolkit.h"
#include "host/gtk/ModalLoop.h"
#include "host/gtk/PrinterChoices.h"
#include "host/PrinterSetup.h"
#include "host/gtk/ScreenServices.h"

namespace host {

// Cancel: nothing was printed.
inline constexpr int kExitCancelled = 1;

class DialogWindow {
public:
    DialogWindow(CommandLine line, GtkToolkit& toolkit, ScreenServices& services);
    ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Builds the window on the first printer of the chooser; false, with
    // `error`, when that printer's values or bundles cannot be loaded.
    bool Open(std::string& error);
    // Shows the window until Print or Cancel; the exit status (0 printed,
    // 1 cancelled).
    int Run();

    // For screenshots: the window, its panes (by position in the list) and
    // the printer's setup (null when no printer could be opened).
    GtkWindow* Window() const { return window_; }
    int PaneCount() const { return static_cast<int>(panes_.size()); }
    std::string PaneTitle(int pane) const;
    void SelectPane(int pane);
    PrinterSetup* Setup() const { return setup_.get(); }

private:
    enum class PaneKind { Copies, Panel, Summary };
    struct Pane {
        PaneKind kind;
        std::string title;
        GtkWidget* row;
        std::string page; // the stack page's name
        DialogPanel* panel = nullptr;
    };

    void Build();
    GtkWidget* BuildCopiesPane();
    void Name(const std::string& name, GtkWidget* widget);
    void SwitchPrinter(guint index);
    void FillPanes();
    void ClearPanes();
    void RowSelected(GtkListBoxRow* row);
    void Print();
    void Finish(int status);
    std::string PageRangeOption() const;
    void Alert(const std::string& message, const std::string& detail);
    void PresetsShown();
    void LoadPreset(const std::string& name);
    void SavePreset();

    CommandLine line_;
    GtkToolkit& toolkit_;
    ScreenServices& services_;
    std::vector<PrinterChoice> printers_;
    std::unique_ptr<PrinterSetup> setup_;
    std::vector<Pane> panes_;
    int shownPane_ = -1;
    bool reverting_ = false;
    std::vector<GtkWidget*> named_;

    GtkWindow* window_ = nullptr;
    GtkWidget* chooser_ = nullptr;
    GtkWidget* presetsBox_ = nullptr;
    GtkWidget* presetsButton_ = nullptr;
    GtkWidget* paneList_ = nullptr;
    GtkWidget* stack_ = nullptr;
    GtkWidget* summary_ = nullptr;
    GtkWidget* printButton_ = nullptr;
    GtkWidget* copies_ = nullptr;
    GtkWidget* allPages_ = nullptr;
    GtkWidget* fromPage_ = nullptr;
    GtkWidget* toPage_ = nullptr;
    GtkWidget* notice_ = nullptr;

    ModalLoop loop_;
    int status_ = 1;
};

} // namespace host
