#include "host/gtk/DialogWindow.h"

#include <iostream>

#include "host/JobOptions.h"
#include "host/JobSubmission.h"
#include "host/StartingValues.h"
#include "host/gtk/AlertWindow.h"
#include "host/gtk/GtkPanelView.h"
#include "host/gtk/SummaryText.h"

namespace host {

namespace {

constexpr int kMaxCopies = 9999;
constexpr int kMaxPage = 99999;
constexpr int kWindowWidth = 900;
constexpr int kWindowHeight = 640;
constexpr const char* kPaneIndexKey = "qv-pane-index";
constexpr const char* kPresetNameKey = "qv-preset-name";

GtkWidget* Label(const char* text)
{
    GtkWidget* label = gtk_label_new(text);
    gtk_label_set_xalign(GTK_LABEL(label), 0);
    return label;
}

template <typename F>
void Connect(gpointer object, const char* signal, F function, gpointer data)
{
    g_signal_connect(object, signal, G_CALLBACK(function), data);
}

} // namespace

DialogWindow::DialogWindow(CommandLine line, GtkToolkit& toolkit, ScreenServices& services)
    : line_(std::move(line)), toolkit_(toolkit), services_(services)
{}

DialogWindow::~DialogWindow()
{
    for (GtkWidget* widget : named_) toolkit_.Session().Unname(widget);
    if (window_ == nullptr) return;
    g_signal_handlers_disconnect_by_data(chooser_, this);
    g_signal_handlers_disconnect_by_data(paneList_, this);
    ClearPanes();
    setup_.reset();
    toolkit_.Session().SetMainWindow(nullptr);
    gtk_window_destroy(window_);
    g_object_unref(window_);
}

void DialogWindow::Name(const std::string& name, GtkWidget* widget)
{
    toolkit_.Session().Name(name, widget);
    named_.push_back(widget);
}

bool DialogWindow::Open(std::string& error)
{
    printers_ = DriverPrinters(line_);
    if (!printers_.empty()) {
        setup_ = PrinterSetup::Open(WithPrinter(line_, printers_.front()), true, services_, error);
        if (!setup_) return false;
        setup_->Panels().Open();
    }
    Build();
    FillPanes();
    return true;
}

void DialogWindow::Build()
{
    window_ = GTK_WINDOW(gtk_window_new());
    g_object_ref_sink(window_);
    gtk_window_set_title(window_, line_.document ? ("Print " + *line_.document).c_str() : "Print");
    gtk_window_set_default_size(window_, kWindowWidth, kWindowHeight);
    toolkit_.Session().SetMainWindow(window_);
    Connect(
        window_, "close-request",
        +[](GtkWindow*, gpointer self) -> gboolean {
            static_cast<DialogWindow*>(self)->Finish(kExitCancelled);
            return TRUE;
        },
        this);

    GtkWidget* outer = gtk_box_new(GTK_ORIENTATION_VERTICAL, 8);
    gtk_widget_add_css_class(outer, "qv-dialog");

    // The printer chooser and the Presets menu.
    GtkWidget* top = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 8);
    gtk_box_append(GTK_BOX(top), Label("Printer:"));
    GtkStringList* names = gtk_string_list_new(nullptr);
    for (const PrinterChoice& choice : printers_) gtk_string_list_append(names, choice.label.c_str());
    chooser_ = gtk_drop_down_new(G_LIST_MODEL(names), nullptr);
    gtk_widget_set_hexpand(chooser_, TRUE);
    gtk_widget_set_sensitive(chooser_, printers_.size() > 1);
    Connect(
        chooser_, "notify::selected",
        +[](GObject* dropDown, GParamSpec*, gpointer self) {
            static_cast<DialogWindow*>(self)->SwitchPrinter(
                gtk_drop_down_get_selected(GTK_DROP_DOWN(dropDown)));
        },
        this);
    gtk_box_append(GTK_BOX(top), chooser_);
    Name("printer", chooser_);
    gtk_box_append(GTK_BOX(top), Label("Presets:"));
    presetsButton_ = gtk_menu_button_new();
    gtk_menu_button_set_label(GTK_MENU_BUTTON(presetsButton_), "Presets");
    GtkWidget* presets = gtk_popover_new();
    presetsBox_ = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_popover_set_child(GTK_POPOVER(presets), presetsBox_);
    gtk_menu_button_set_popover(GTK_MENU_BUTTON(presetsButton_), presets);
    Connect(
        presets, "show", +[](GtkWidget*, gpointer self) { static_cast<DialogWindow*>(self)->PresetsShown(); },
        this);
    gtk_box_append(GTK_BOX(top), presetsButton_);
    Name("presets", presetsButton_);
    gtk_box_append(GTK_BOX(outer), top);

    notice_ = Label("No printer in CUPS uses this driver: add a queue with one of the driver's PPDs, "
                    "or name a PPD with --ppd.");
    gtk_widget_set_visible(notice_, printers_.empty());
    gtk_box_append(GTK_BOX(outer), notice_);

    // The pane list beside the pane shown.
    GtkWidget* body = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 8);
    paneList_ = gtk_list_box_new();
    gtk_list_box_set_selection_mode(GTK_LIST_BOX(paneList_), GTK_SELECTION_SINGLE);
    gtk_widget_set_size_request(paneList_, 180, -1);
    gtk_widget_add_css_class(paneList_, "navigation-sidebar");
    Connect(
        paneList_, "row-selected",
        +[](GtkListBox*, GtkListBoxRow* row, gpointer self) {
            static_cast<DialogWindow*>(self)->RowSelected(row);
        },
        this);
    gtk_box_append(GTK_BOX(body), paneList_);
    stack_ = gtk_stack_new();
    gtk_widget_set_hexpand(stack_, TRUE);
    gtk_widget_set_vexpand(stack_, TRUE);
    gtk_stack_add_named(GTK_STACK(stack_), BuildCopiesPane(), "copies");
    summary_ = Label("");
    gtk_label_set_selectable(GTK_LABEL(summary_), TRUE);
    gtk_widget_set_valign(summary_, GTK_ALIGN_START);
    GtkWidget* summaryScroller = gtk_scrolled_window_new();
    gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(summaryScroller), summary_);
    gtk_stack_add_named(GTK_STACK(stack_), summaryScroller, "summary");
    gtk_box_append(GTK_BOX(body), stack_);
    gtk_box_append(GTK_BOX(outer), body);

    // Help, Cancel and Print.
    GtkWidget* bottom = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 8);
    GtkWidget* help = gtk_button_new_with_label("?");
    gtk_widget_set_tooltip_text(help, "Help for the pane shown");
    Connect(
        help, "clicked",
        +[](GtkButton*, gpointer self) {
            auto* dialog = static_cast<DialogWindow*>(self);
            if (dialog->setup_) dialog->setup_->Panels().Help();
        },
        this);
    gtk_box_append(GTK_BOX(bottom), help);
    Name("help", help);
    GtkWidget* spacer = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 0);
    gtk_widget_set_hexpand(spacer, TRUE);
    gtk_box_append(GTK_BOX(bottom), spacer);
    GtkWidget* cancel = gtk_button_new_with_label("Cancel");
    Connect(
        cancel, "clicked",
        +[](GtkButton*, gpointer self) { static_cast<DialogWindow*>(self)->Finish(kExitCancelled); }, this);
    gtk_box_append(GTK_BOX(bottom), cancel);
    Name("cancel", cancel);
    printButton_ = gtk_button_new_with_label("Print");
    gtk_widget_add_css_class(printButton_, "suggested-action");
    gtk_widget_set_sensitive(printButton_, setup_ != nullptr);
    Connect(
        printButton_, "clicked",
        +[](GtkButton*, gpointer self) { static_cast<DialogWindow*>(self)->Print(); }, this);
    gtk_box_append(GTK_BOX(bottom), printButton_);
    Name("print", printButton_);
    gtk_box_append(GTK_BOX(outer), bottom);

    gtk_window_set_child(window_, outer);
    gtk_window_set_default_widget(window_, printButton_);
}

GtkWidget* DialogWindow::BuildCopiesPane()
{
    GtkWidget* grid = gtk_grid_new();
    gtk_grid_set_row_spacing(GTK_GRID(grid), 8);
    gtk_grid_set_column_spacing(GTK_GRID(grid), 8);
    gtk_widget_set_margin_start(grid, 30);
    gtk_widget_set_margin_top(grid, 20);
    gtk_grid_attach(GTK_GRID(grid), Label("Copies:"), 0, 0, 1, 1);
    copies_ = gtk_spin_button_new_with_range(1, kMaxCopies, 1);
    gtk_spin_button_set_value(GTK_SPIN_BUTTON(copies_), line_.copies);
    gtk_grid_attach(GTK_GRID(grid), copies_, 1, 0, 2, 1);
    Name("copies", copies_);
    gtk_grid_attach(GTK_GRID(grid), Label("Pages:"), 0, 1, 1, 1);
    allPages_ = gtk_check_button_new_with_label("All");
    GtkWidget* range = gtk_check_button_new_with_label("From");
    gtk_check_button_set_group(GTK_CHECK_BUTTON(range), GTK_CHECK_BUTTON(allPages_));
    gtk_check_button_set_active(GTK_CHECK_BUTTON(allPages_), TRUE);
    gtk_grid_attach(GTK_GRID(grid), allPages_, 1, 1, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), range, 1, 2, 1, 1);
    Name("pages-all", allPages_);
    Name("pages-range", range);
    fromPage_ = gtk_spin_button_new_with_range(1, kMaxPage, 1);
    toPage_ = gtk_spin_button_new_with_range(1, kMaxPage, 1);
    gtk_grid_attach(GTK_GRID(grid), fromPage_, 2, 2, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), Label("to"), 3, 2, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), toPage_, 4, 2, 1, 1);
    Name("pages-from", fromPage_);
    Name("pages-to", toPage_);
    return grid;
}

std::string DialogWindow::PageRangeOption() const
{
    if (gtk_check_button_get_active(GTK_CHECK_BUTTON(allPages_))) return {};
    int from = gtk_spin_button_get_value_as_int(GTK_SPIN_BUTTON(fromPage_));
    int to = gtk_spin_button_get_value_as_int(GTK_SPIN_BUTTON(toPage_));
    if (to < from) std::swap(from, to);
    return "page-ranges=" + QuoteOptionValue(std::to_string(from) + "-" + std::to_string(to));
}

void DialogWindow::FillPanes()
{
    const auto addRow = [this](PaneKind kind, const std::string& title, const std::string& page,
                               DialogPanel* panel) {
        GtkWidget* row = gtk_list_box_row_new();
        GtkWidget* label = Label(title.c_str());
        gtk_widget_set_margin_start(label, 8);
        gtk_widget_set_margin_top(label, 4);
        gtk_widget_set_margin_bottom(label, 4);
        gtk_list_box_row_set_child(GTK_LIST_BOX_ROW(row), label);
        g_object_set_data(G_OBJECT(row), kPaneIndexKey, GINT_TO_POINTER(static_cast<int>(panes_.size())));
        gtk_list_box_append(GTK_LIST_BOX(paneList_), row);
        toolkit_.Session().Name("pane:" + title, row);
        panes_.push_back({kind, title, row, page, panel});
    };
    addRow(PaneKind::Copies, "Copies & Pages", "copies", nullptr);
    if (setup_) {
        int index = 0;
        for (DialogPanel& panel : setup_->Panels().Panels()) {
            if (panel.view == nullptr) continue;
            auto* view = dynamic_cast<GtkPanelView*>(panel.view);
            if (view == nullptr) continue;
            const std::string page = "panel-" + std::to_string(index++);
            GtkWidget* scroller = gtk_scrolled_window_new();
            gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(scroller), view->Root());
            gtk_stack_add_named(GTK_STACK(stack_), scroller, page.c_str());
            addRow(PaneKind::Panel, panel.name, page, &panel);
        }
    }
    addRow(PaneKind::Summary, "Summary", "summary", nullptr);
    reverting_ = true;
    gtk_list_box_select_row(GTK_LIST_BOX(paneList_), GTK_LIST_BOX_ROW(panes_.front().row));
    reverting_ = false;
    shownPane_ = 0;
    gtk_stack_set_visible_child_name(GTK_STACK(stack_), "copies");
}

void DialogWindow::ClearPanes()
{
    reverting_ = true;
    for (Pane& pane : panes_) {
        toolkit_.Session().Unname(pane.row);
        gtk_list_box_remove(GTK_LIST_BOX(paneList_), pane.row);
        if (pane.kind != PaneKind::Panel) continue;
        // The panel's view goes with its printer; its container is its own.
        GtkWidget* scroller = gtk_stack_get_child_by_name(GTK_STACK(stack_), pane.page.c_str());
        gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(scroller), nullptr);
        gtk_stack_remove(GTK_STACK(stack_), scroller);
    }
    reverting_ = false;
    panes_.clear();
    shownPane_ = -1;
}

std::string DialogWindow::PaneTitle(int pane) const { return panes_.at(static_cast<size_t>(pane)).title; }

void DialogWindow::SelectPane(int pane)
{
    gtk_list_box_select_row(GTK_LIST_BOX(paneList_),
                            GTK_LIST_BOX_ROW(panes_.at(static_cast<size_t>(pane)).row));
}

void DialogWindow::RowSelected(GtkListBoxRow* row)
{
    if (reverting_ || row == nullptr) return;
    const int index = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(row), kPaneIndexKey));
    if (index < 0 || index >= PaneCount() || index == shownPane_) return;
    Pane& pane = panes_[static_cast<size_t>(index)];
    if (pane.kind == PaneKind::Panel && !setup_->Panels().Show(*pane.panel)) {
        // The panel shown refused to be left (it said why); it stays.
        reverting_ = true;
        gtk_list_box_select_row(GTK_LIST_BOX(paneList_),
                                GTK_LIST_BOX_ROW(panes_[static_cast<size_t>(shownPane_)].row));
        reverting_ = false;
        return;
    }
    if (pane.kind == PaneKind::Summary && setup_)
        gtk_label_set_text(GTK_LABEL(summary_), SummaryText(setup_->Panels()).c_str());
    shownPane_ = index;
    gtk_stack_set_visible_child_name(GTK_STACK(stack_), pane.page.c_str());
}

void DialogWindow::SwitchPrinter(guint index)
{
    if (index >= printers_.size()) return;
    ClearPanes();
    setup_.reset();
    std::string error;
    setup_ = PrinterSetup::Open(WithPrinter(line_, printers_[index]), false, services_, error);
    if (setup_) setup_->Panels().Open();
    gtk_widget_set_sensitive(printButton_, setup_ != nullptr);
    FillPanes();
    if (!setup_) Alert("The printer " + printers_[index].label + " cannot be used.", error);
}

void DialogWindow::Alert(const std::string& message, const std::string& detail)
{
    platform::ui::Alert alert;
    alert.messageText = message;
    alert.informativeText = detail;
    alert.buttonTitles = {"OK"};
    toolkit_.runAlert(alert);
}

void DialogWindow::Print()
{
    if (!setup_) return;
    // Every panel is asked, the Account panes first; one that refuses has
    // told the person why, and the dialog stays.
    if (!setup_->Panels().Print()) return;
    std::string options = JobOptionString(setup_->Host().Choices(), *setup_->Host().printSettings());
    if (const std::string range = PageRangeOption(); !range.empty())
        options += (options.empty() ? "" : " ") + range;
    setup_->Store().StageLastUsed(CurrentValues(setup_->Host()));
    std::string error;
    if (!setup_->Store().Commit(error))
        std::cerr << "printdialog: the settings were not kept: " << error << "\n";
    if (line_.printOptions) {
        std::cout << options << "\n" << std::flush;
        Finish(0);
        return;
    }
    if (setup_->Queue().empty() || !line_.document) {
        Alert("Nothing was printed.", setup_->Queue().empty()
                                          ? "The printer is a PPD file, not a CUPS queue. Choose a queue, "
                                            "or run printdialog with --options to get the job options."
                                          : "No document was named on the command line.");
        return;
    }
    const PrintJob job{.queue = setup_->Queue(),
                       .file = *line_.document,
                       .title = line_.title.value_or(line_.document->substr(line_.document->rfind('/') + 1)),
                       .copies = gtk_spin_button_get_value_as_int(GTK_SPIN_BUTTON(copies_)),
                       .options = options};
    const int id = SubmitPrintJob(job, error);
    if (id == 0) {
        Alert("The document was not printed.", error);
        return;
    }
    std::cerr << "printdialog: job " << setup_->Queue() << "-" << id << " submitted\n";
    Finish(0);
}

void DialogWindow::Finish(int status)
{
    status_ = status;
    loop_.Quit();
}

int DialogWindow::Run()
{
    gtk_window_present(window_);
    loop_.Run();
    gtk_widget_set_visible(GTK_WIDGET(window_), FALSE);
    return status_;
}

void DialogWindow::PresetsShown()
{
    while (GtkWidget* child = gtk_widget_get_first_child(presetsBox_)) {
        toolkit_.Session().Unname(child);
        gtk_box_remove(GTK_BOX(presetsBox_), child);
    }
    if (!setup_) return;
    for (const std::string& name : setup_->Store().PresetNames()) {
        GtkWidget* item = gtk_button_new_with_label(name.c_str());
        gtk_button_set_has_frame(GTK_BUTTON(item), FALSE);
        g_object_set_data_full(G_OBJECT(item), kPresetNameKey, g_strdup(name.c_str()), g_free);
        Connect(
            item, "clicked",
            +[](GtkButton* button, gpointer self) {
                const char* chosen =
                    static_cast<const char*>(g_object_get_data(G_OBJECT(button), kPresetNameKey));
                static_cast<DialogWindow*>(self)->LoadPreset(chosen);
            },
            this);
        gtk_box_append(GTK_BOX(presetsBox_), item);
        toolkit_.Session().Name("preset:" + name, item);
    }
    GtkWidget* save = gtk_button_new_with_label("Save Current Settings as Preset…");
    gtk_button_set_has_frame(GTK_BUTTON(save), FALSE);
    Connect(
        save, "clicked", +[](GtkButton*, gpointer self) { static_cast<DialogWindow*>(self)->SavePreset(); },
        this);
    gtk_box_append(GTK_BOX(presetsBox_), save);
    toolkit_.Session().Name("preset-save", save);
}

void DialogWindow::LoadPreset(const std::string& name)
{
    gtk_menu_button_popdown(GTK_MENU_BUTTON(presetsButton_));
    const std::optional<SavedValues> preset = setup_->Store().Preset(name);
    if (!preset) {
        Alert("The preset \"" + name + "\" cannot be read.", "");
        return;
    }
    ApplySavedValues(setup_->Host(), *preset);
    setup_->Panels().RestoreAll();
}

void DialogWindow::SavePreset()
{
    gtk_menu_button_popdown(GTK_MENU_BUTTON(presetsButton_));
    struct Prompt {
        ModalLoop loop;
        bool save = false;
    } prompt;
    GtkWindow* window = GTK_WINDOW(gtk_window_new());
    g_object_ref_sink(window);
    gtk_window_set_title(window, "Save Preset");
    gtk_window_set_modal(window, TRUE);
    gtk_window_set_transient_for(window, window_);
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 8);
    gtk_widget_add_css_class(box, "qv-alert");
    gtk_box_append(GTK_BOX(box), Label("Name of the preset:"));
    GtkWidget* entry = gtk_entry_new();
    gtk_box_append(GTK_BOX(box), entry);
    GtkWidget* buttons = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 8);
    gtk_widget_set_halign(buttons, GTK_ALIGN_END);
    GtkWidget* cancel = gtk_button_new_with_label("Cancel");
    GtkWidget* ok = gtk_button_new_with_label("Save");
    gtk_widget_add_css_class(ok, "suggested-action");
    const auto done = +[](GtkWidget* button, gpointer data) {
        auto* p = static_cast<Prompt*>(data);
        p->save = g_object_get_data(G_OBJECT(button), "qv-save") != nullptr;
        p->loop.Quit();
    };
    g_object_set_data(G_OBJECT(ok), "qv-save", GINT_TO_POINTER(1));
    Connect(cancel, "clicked", done, &prompt);
    Connect(ok, "clicked", done, &prompt);
    Connect(entry, "activate", done, &prompt);
    g_object_set_data(G_OBJECT(entry), "qv-save", GINT_TO_POINTER(1));
    Connect(
        window, "close-request",
        +[](GtkWindow*, gpointer data) -> gboolean {
            static_cast<Prompt*>(data)->loop.Quit();
            return TRUE;
        },
        &prompt);
    gtk_box_append(GTK_BOX(buttons), cancel);
    gtk_box_append(GTK_BOX(buttons), ok);
    gtk_box_append(GTK_BOX(box), buttons);
    gtk_window_set_child(window, box);
    gtk_window_present(window);
    toolkit_.Session().EnterModal(window);
    prompt.loop.Run();
    toolkit_.Session().LeaveModal(window);
    const std::string name = gtk_editable_get_text(GTK_EDITABLE(entry));
    for (GtkWidget* widget : {GTK_WIDGET(window), ok, cancel, entry})
        g_signal_handlers_disconnect_by_data(widget, &prompt);
    gtk_window_destroy(window);
    g_object_unref(window);
    if (!prompt.save || name.empty()) return;
    if (setup_->Panels().SaveShown() != 0) {
        Alert("The preset was not saved.", "A pane could not save its values.");
        return;
    }
    setup_->Store().StagePreset(name, CurrentValues(setup_->Host()));
    std::string error;
    if (!setup_->Store().Commit(error)) Alert("The preset was not saved.", error);
}

} // namespace host
