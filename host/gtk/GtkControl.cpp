#include "host/gtk/GtkControl.h"

#include <cstring>
#include <optional>

#include "host/headless/PersonActions.h"
#include "platform/TextEncoding.h"

namespace host {

using platform::ui::WidgetKind;

namespace {

constexpr const char* kIndexKey = "qv-item-index";
constexpr const char* kGreyClass = "qv-grey";

// A text's first `chars` characters and the rest, at a character boundary.
std::pair<std::string, std::string> SplitAtCharacter(const std::string& text, int chars)
{
    const long length = g_utf8_strlen(text.c_str(), -1);
    if (chars < 0 || chars > length) chars = static_cast<int>(length);
    const size_t at = static_cast<size_t>(g_utf8_offset_to_pointer(text.c_str(), chars) - text.c_str());
    return {text.substr(0, at), text.substr(at)};
}

int CharacterCount(std::u16string_view text)
{
    return static_cast<int>(g_utf8_strlen(platform::Utf16ToUtf8(text).c_str(), -1));
}

void Disconnect(GtkWidget* widget, gpointer data)
{
    if (widget != nullptr) g_signal_handlers_disconnect_by_data(widget, data);
}

} // namespace

GtkControl::GtkControl(std::shared_ptr<ScreenSession> session, HeadlessWidget& model, GtkFixed* parent)
    : session_(std::move(session)), model_(model), parent_(parent)
{
    Build(parent);
    setFrame(model_.frame());
    Sync();
}

GtkControl::~GtkControl()
{
    // The view's container disposes of the widgets after this is gone; no
    // signal may reach it then.
    Disconnect(widget_, this);
    if (kind() == WidgetKind::TextField) {
        if (GtkEditable* delegate = gtk_editable_get_delegate(GTK_EDITABLE(widget_)))
            g_signal_handlers_disconnect_by_data(delegate, this);
        g_signal_handlers_disconnect_by_data(focus_, this);
    }
    Disconnect(popover_, this);
    for (GtkWidget* button : itemButtons_) Disconnect(button, this);
    Disconnect(up_, this);
    Disconnect(down_, this);
}

void GtkControl::Build(GtkFixed* parent)
{
    switch (kind()) {
    case WidgetKind::Box: widget_ = gtk_frame_new(nullptr); break;
    case WidgetKind::StaticText:
        widget_ = gtk_label_new(nullptr);
        gtk_label_set_xalign(GTK_LABEL(widget_), 0);
        gtk_label_set_wrap(GTK_LABEL(widget_), TRUE);
        break;
    case WidgetKind::TextField: {
        widget_ = gtk_entry_new();
        GtkEditable* delegate = gtk_editable_get_delegate(GTK_EDITABLE(widget_));
        g_signal_connect(delegate, "insert-text", G_CALLBACK(OnInsertText), this);
        g_signal_connect(delegate, "delete-text", G_CALLBACK(OnDeleteText), this);
        g_signal_connect(widget_, "changed", G_CALLBACK(OnChanged), this);
        g_signal_connect(widget_, "activate", G_CALLBACK(OnActivate), this);
        focus_ = gtk_event_controller_focus_new();
        g_signal_connect(focus_, "enter", G_CALLBACK(OnFocusEnter), this);
        g_signal_connect(focus_, "leave", G_CALLBACK(OnFocusLeave), this);
        gtk_widget_add_controller(widget_, focus_);
        break;
    }
    case WidgetKind::PopUp: {
        widget_ = gtk_menu_button_new();
        popover_ = gtk_popover_new();
        itemBox_ = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
        GtkWidget* scroller = gtk_scrolled_window_new();
        gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller), GTK_POLICY_NEVER, GTK_POLICY_AUTOMATIC);
        gtk_scrolled_window_set_propagate_natural_height(GTK_SCROLLED_WINDOW(scroller), TRUE);
        gtk_scrolled_window_set_max_content_height(GTK_SCROLLED_WINDOW(scroller), 480);
        gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(scroller), itemBox_);
        gtk_popover_set_child(GTK_POPOVER(popover_), scroller);
        gtk_popover_set_has_arrow(GTK_POPOVER(popover_), FALSE);
        gtk_menu_button_set_popover(GTK_MENU_BUTTON(widget_), popover_);
        g_signal_connect(popover_, "show", G_CALLBACK(OnPopoverShow), this);
        break;
    }
    case WidgetKind::CheckBox:
        widget_ = gtk_check_button_new();
        g_signal_connect(widget_, "toggled", G_CALLBACK(OnToggled), this);
        break;
    case WidgetKind::Radio:
        widget_ = gtk_check_button_new();
        partner_ = gtk_check_button_new();
        gtk_check_button_set_group(GTK_CHECK_BUTTON(widget_), GTK_CHECK_BUTTON(partner_));
        gtk_check_button_set_active(GTK_CHECK_BUTTON(partner_), TRUE);
        gtk_widget_set_visible(partner_, FALSE);
        gtk_fixed_put(parent, partner_, 0, 0);
        g_signal_connect(widget_, "toggled", G_CALLBACK(OnToggled), this);
        break;
    case WidgetKind::PushButton:
        widget_ = gtk_button_new();
        g_signal_connect(widget_, "clicked", G_CALLBACK(OnClicked), this);
        break;
    case WidgetKind::Stepper:
        widget_ = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
        gtk_widget_add_css_class(widget_, "qv-stepper");
        up_ = gtk_button_new_from_icon_name("pan-up-symbolic");
        down_ = gtk_button_new_from_icon_name("pan-down-symbolic");
        gtk_box_append(GTK_BOX(widget_), up_);
        gtk_box_append(GTK_BOX(widget_), down_);
        g_signal_connect(up_, "clicked", G_CALLBACK(OnStepUp), this);
        g_signal_connect(down_, "clicked", G_CALLBACK(OnStepDown), this);
        break;
    case WidgetKind::Image: widget_ = gtk_image_new(); break;
    case WidgetKind::View: widget_ = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0); break;
    }
    gtk_fixed_put(parent, widget_, 0, 0);
}

bool GtkControl::IsHelpButton() const
{
    const std::string& name = model_.outletName();
    return name.find("Help") != std::string::npos || name.find("help") != std::string::npos;
}

std::string GtkControl::ShownText() const
{
    // A label shows its text; a label given only a title shows that.
    const std::string text = model_.stringValue();
    return text.empty() ? model_.title() : text;
}

void GtkControl::Sync()
{
    syncing_ = true;
    gtk_widget_set_visible(widget_, !model_.isHidden());
    gtk_widget_set_sensitive(widget_, model_.isEnabled());
    const std::string title = model_.title();
    switch (kind()) {
    case WidgetKind::Box:
        gtk_frame_set_label(GTK_FRAME(widget_), title.empty() ? nullptr : title.c_str());
        break;
    case WidgetKind::StaticText: gtk_label_set_text(GTK_LABEL(widget_), ShownText().c_str()); break;
    case WidgetKind::TextField:
        if (model_.stringValue() != gtk_editable_get_text(GTK_EDITABLE(widget_)))
            gtk_editable_set_text(GTK_EDITABLE(widget_), model_.stringValue().c_str());
        break;
    case WidgetKind::PopUp: {
        const int selected = model_.indexOfSelectedItem();
        gtk_menu_button_set_label(GTK_MENU_BUTTON(widget_),
                                  selected >= 0 ? model_.itemAtIndex(selected).title.c_str() : "");
        SyncItems();
        break;
    }
    case WidgetKind::CheckBox:
    case WidgetKind::Radio: {
        gtk_check_button_set_label(GTK_CHECK_BUTTON(widget_), title.c_str());
        const bool on = model_.intValue() != 0;
        gtk_check_button_set_active(GTK_CHECK_BUTTON(on || partner_ == nullptr ? widget_ : partner_),
                                    partner_ != nullptr ? TRUE : on);
        break;
    }
    case WidgetKind::PushButton:
        // A help button has no title: its bezel is the question mark.
        gtk_button_set_label(GTK_BUTTON(widget_), title.empty() && IsHelpButton() ? "?" : title.c_str());
        break;
    case WidgetKind::Stepper:
    case WidgetKind::Image:
    case WidgetKind::View: break;
    }
    if (model_.textColor() == platform::ui::TextColor::LightGray)
        gtk_widget_add_css_class(widget_, kGreyClass);
    else
        gtk_widget_remove_css_class(widget_, kGreyClass);
    syncing_ = false;
}

void GtkControl::SyncItems()
{
    if (itemsDirty_ || static_cast<int>(itemButtons_.size()) != model_.numberOfItems()) {
        itemsDirty_ = true;
        // A popover on the screen shows the change at once; a hidden one
        // is rebuilt when it next opens.
        if (popover_ != nullptr && gtk_widget_get_visible(popover_)) RebuildItems();
        return;
    }
    for (size_t i = 0; i < itemButtons_.size(); ++i) {
        const platform::ui::MenuItem item = model_.itemAtIndex(static_cast<int>(i));
        gtk_widget_set_sensitive(itemButtons_[i], item.enabled);
        gtk_button_set_label(GTK_BUTTON(itemButtons_[i]), item.title.c_str());
    }
}

void GtkControl::RebuildItems()
{
    for (GtkWidget* button : itemButtons_) {
        g_signal_handlers_disconnect_by_data(button, this);
        gtk_box_remove(GTK_BOX(itemBox_), button);
    }
    itemButtons_.clear();
    for (int i = 0; i < model_.numberOfItems(); ++i) {
        const platform::ui::MenuItem item = model_.itemAtIndex(i);
        GtkWidget* button = gtk_button_new_with_label(item.title.c_str());
        gtk_button_set_has_frame(GTK_BUTTON(button), FALSE);
        gtk_widget_add_css_class(button, "qv-menu-item");
        if (GtkWidget* label = gtk_button_get_child(GTK_BUTTON(button)); GTK_IS_LABEL(label))
            gtk_label_set_xalign(GTK_LABEL(label), 0);
        if (i == model_.indexOfSelectedItem()) gtk_widget_add_css_class(button, "qv-selected");
        gtk_widget_set_sensitive(button, item.enabled);
        g_object_set_data(G_OBJECT(button), kIndexKey, GINT_TO_POINTER(i));
        g_signal_connect(button, "clicked", G_CALLBACK(OnItemClicked), this);
        gtk_box_append(GTK_BOX(itemBox_), button);
        itemButtons_.push_back(button);
    }
    itemsDirty_ = false;
}

void GtkControl::setEnabled(bool enabled)
{
    model_.setEnabled(enabled);
    Sync();
}

void GtkControl::setHidden(bool hidden)
{
    model_.setHidden(hidden);
    Sync();
}

void GtkControl::setIntValue(int value)
{
    model_.setIntValue(value);
    Sync();
}

std::string GtkControl::stringValue() const { return model_.stringValue(); }

void GtkControl::setStringValue(std::string_view text)
{
    model_.setStringValue(text);
    Sync();
}

void GtkControl::setTitle(std::string_view title)
{
    model_.setTitle(title);
    Sync();
}

void GtkControl::setTextColor(platform::ui::TextColor color)
{
    model_.setTextColor(color);
    Sync();
}

void GtkControl::setFrame(const platform::ui::Rect& frame)
{
    model_.setFrame(frame);
    gtk_fixed_move(parent_, widget_, frame.x, frame.y);
    const int width = frame.width > 0 ? static_cast<int>(frame.width) : -1;
    const int height = frame.height > 0 ? static_cast<int>(frame.height) : -1;
    gtk_widget_set_size_request(widget_, width, height);
    if (kind() == WidgetKind::StaticText && width > 0) gtk_label_set_max_width_chars(GTK_LABEL(widget_), 1);
}

void GtkControl::makeFirstResponder()
{
    model_.makeFirstResponder();
    gtk_widget_grab_focus(widget_);
}

void GtkControl::removeAllItems()
{
    model_.removeAllItems();
    itemsDirty_ = true;
    Sync();
}

void GtkControl::addItem(std::string_view title, std::string_view representedObject)
{
    model_.addItem(title, representedObject);
    itemsDirty_ = true;
    Sync();
}

void GtkControl::setItemEnabled(int index, bool enabled)
{
    model_.setItemEnabled(index, enabled);
    Sync();
}

void GtkControl::setItemTitle(int index, std::string_view title)
{
    model_.setItemTitle(index, title);
    Sync();
}

void GtkControl::selectItemAtIndex(int index)
{
    model_.selectItemAtIndex(index);
    itemsDirty_ = true;
    Sync();
}

void GtkControl::Clicked()
{
    Click(model_);
    Sync();
}

void GtkControl::Toggled()
{
    if (syncing_) return;
    const bool on = gtk_check_button_get_active(GTK_CHECK_BUTTON(widget_));
    if (kind() == WidgetKind::CheckBox)
        SetCheck(model_, on);
    else if (on)
        Click(model_);
    Sync();
}

void GtkControl::ItemChosen(int index)
{
    gtk_popover_popdown(GTK_POPOVER(popover_));
    Choose(model_, index);
    itemsDirty_ = true;
    Sync();
}

void GtkControl::Stepped(bool up)
{
    Step(model_, up ? StepDirection::Up : StepDirection::Down);
    Sync();
}

void GtkControl::Inserted(GtkEditable* editable, const char* text, int length, int* position)
{
    const platform::ui::TextFormatter* formatter = model_.formatter();
    if (syncing_ || formatter == nullptr) return;
    g_signal_stop_emission_by_name(editable, "insert-text");
    const auto [head, tail] = SplitAtCharacter(gtk_editable_get_text(editable), *position);
    std::optional<std::u16string> current = platform::Utf8ToUtf16(head);
    const std::optional<std::u16string> after = platform::Utf8ToUtf16(tail);
    const std::optional<std::u16string> typed =
        platform::Utf8ToUtf16(std::string_view(text, length < 0 ? std::strlen(text) : size_t(length)));
    if (!current || !after || !typed) return;
    // Each character in turn, as a person types them: a refused one beeps
    // and is dropped, a replacement the formatter gives is kept.
    std::u16string whole = *current + *after;
    size_t cursor = current->size();
    bool refused = false;
    for (size_t pos = 0; pos < typed->size();) {
        const bool pair = (*typed)[pos] >= 0xD800 && (*typed)[pos] <= 0xDBFF && pos + 1 < typed->size();
        const size_t count = pair ? 2 : 1;
        const std::u16string candidate =
            whole.substr(0, cursor) + typed->substr(pos, count) + whole.substr(cursor);
        pos += count;
        std::u16string edited = candidate;
        std::u16string error;
        if (!formatter->isPartialStringValid(candidate, &edited, &error)) {
            refused = true;
            continue;
        }
        whole = edited;
        cursor =
            edited == candidate ? cursor + count : edited.size() - std::min(edited.size(), after->size());
    }
    if (refused) session_->Beep();
    const std::string result = platform::Utf16ToUtf8(whole);
    syncing_ = true;
    gtk_editable_set_text(editable, result.c_str());
    syncing_ = false;
    model_.setStringValue(result);
    edited_ = true;
    *position = CharacterCount(std::u16string_view(whole).substr(0, cursor));
    gtk_editable_set_position(editable, *position);
}

void GtkControl::Deleted(GtkEditable* editable, int start, int end)
{
    const platform::ui::TextFormatter* formatter = model_.formatter();
    if (syncing_ || formatter == nullptr) return;
    const std::string text = gtk_editable_get_text(editable);
    const auto [head, rest] = SplitAtCharacter(text, start);
    const auto [gone, tail] = SplitAtCharacter(rest, end < 0 ? -1 : end - start);
    const std::optional<std::u16string> candidate = platform::Utf8ToUtf16(head + tail);
    if (!candidate) return;
    std::u16string edited = *candidate;
    std::u16string error;
    if (!formatter->isPartialStringValid(*candidate, &edited, &error)) {
        g_signal_stop_emission_by_name(editable, "delete-text");
        session_->Beep();
        return;
    }
    if (edited == *candidate) return;
    g_signal_stop_emission_by_name(editable, "delete-text");
    const std::string result = platform::Utf16ToUtf8(edited);
    syncing_ = true;
    gtk_editable_set_text(editable, result.c_str());
    syncing_ = false;
    model_.setStringValue(result);
    edited_ = true;
}

void GtkControl::Changed()
{
    if (syncing_) return;
    model_.setStringValue(gtk_editable_get_text(GTK_EDITABLE(widget_)));
    edited_ = true;
}

void GtkControl::Commit()
{
    edited_ = false;
    // The edit ends before the action runs, so an action that puts the
    // focus back (a refused value) keeps it there.
    model_.ResignFirstResponder();
    model_.sendAction();
    Sync();
}

void GtkControl::FocusEntered()
{
    edited_ = false;
    model_.makeFirstResponder();
}

void GtkControl::OnClicked(GtkButton*, gpointer self) { static_cast<GtkControl*>(self)->Clicked(); }
void GtkControl::OnToggled(GtkCheckButton*, gpointer self) { static_cast<GtkControl*>(self)->Toggled(); }
void GtkControl::OnItemClicked(GtkButton* button, gpointer self)
{
    static_cast<GtkControl*>(self)->ItemChosen(
        GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), kIndexKey)));
}
void GtkControl::OnPopoverShow(GtkWidget*, gpointer self)
{
    auto* control = static_cast<GtkControl*>(self);
    if (control->itemsDirty_) control->RebuildItems();
}
void GtkControl::OnStepUp(GtkButton*, gpointer self) { static_cast<GtkControl*>(self)->Stepped(true); }
void GtkControl::OnStepDown(GtkButton*, gpointer self) { static_cast<GtkControl*>(self)->Stepped(false); }
void GtkControl::OnInsertText(GtkEditable* editable, const char* text, int length, int* position,
                              gpointer self)
{
    static_cast<GtkControl*>(self)->Inserted(editable, text, length, position);
}
void GtkControl::OnDeleteText(GtkEditable* editable, int start, int end, gpointer self)
{
    static_cast<GtkControl*>(self)->Deleted(editable, start, end);
}
void GtkControl::OnChanged(GtkEditable*, gpointer self) { static_cast<GtkControl*>(self)->Changed(); }
void GtkControl::OnActivate(GtkEntry*, gpointer self) { static_cast<GtkControl*>(self)->Commit(); }
void GtkControl::OnFocusEnter(GtkEventControllerFocus*, gpointer self)
{
    static_cast<GtkControl*>(self)->FocusEntered();
}
void GtkControl::OnFocusLeave(GtkEventControllerFocus*, gpointer self)
{
    auto* control = static_cast<GtkControl*>(self);
    if (control->edited_) control->Commit();
}

} // namespace host
