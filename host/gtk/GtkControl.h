// One control of the widget model on the screen. Its state is a headless
// widget, the same model the headless host plays, so a value means the same
// in both; this class mirrors that state into a GTK widget and turns what a
// person does there into the headless toolkit's person actions (a click, a
// choice, a step, typed text), which apply the same rules (a disabled item
// cannot be chosen, a stepper holds its range) and send the action.
//
// Kinds: a box is a GtkFrame, a static text a GtkLabel, a text field a
// GtkEntry whose every insertion and deletion passes the formatter (a
// refused keystroke beeps and changes nothing), a pop-up a menu button whose
// popover lists its items (a disabled item is an insensitive button), a
// check box a GtkCheckButton, a radio a GtkCheckButton in a group of its own
// with a hidden partner (the framework, not GTK, keeps radios exclusive),
// a push button a GtkButton, a stepper two arrow buttons.
#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <string>
#include <vector>

#include "host/gtk/ScreenSession.h"
#include "host/headless/HeadlessWidget.h"
#include "platform/ui/Widget.h"

namespace host {

class GtkControl : public platform::ui::Widget {
public:
    // `model` lives in the view's headless model view, as long as this does.
    GtkControl(std::shared_ptr<ScreenSession> session, HeadlessWidget& model, GtkFixed* parent);
    ~GtkControl() override;
    GtkControl(const GtkControl&) = delete;
    GtkControl& operator=(const GtkControl&) = delete;

    platform::ui::WidgetKind kind() const override { return model_.kind(); }
    const std::string& outletName() const override { return model_.outletName(); }
    int tag() const override { return model_.tag(); }
    void setTag(int tag) override { model_.setTag(tag); }
    bool isEnabled() const override { return model_.isEnabled(); }
    void setEnabled(bool enabled) override;
    bool isHidden() const override { return model_.isHidden(); }
    void setHidden(bool hidden) override;
    int intValue() const override { return model_.intValue(); }
    void setIntValue(int value) override;
    std::string stringValue() const override;
    void setStringValue(std::string_view text) override;
    std::string title() const override { return model_.title(); }
    void setTitle(std::string_view title) override;
    std::string titleKey() const override { return model_.titleKey(); }
    void setTitleKey(std::string_view key) override { model_.setTitleKey(key); }
    platform::ui::TextColor textColor() const override { return model_.textColor(); }
    void setTextColor(platform::ui::TextColor color) override;
    platform::ui::Rect frame() const override { return model_.frame(); }
    void setFrame(const platform::ui::Rect& frame) override;
    platform::ui::TextFormatter* formatter() const override { return model_.formatter(); }
    void setFormatter(platform::ui::TextFormatter* formatter) override { model_.setFormatter(formatter); }
    void makeFirstResponder() override;
    void setAutoenablesItems(bool autoenables) override { model_.setAutoenablesItems(autoenables); }
    void removeAllItems() override;
    void addItem(std::string_view title, std::string_view representedObject) override;
    int numberOfItems() const override { return model_.numberOfItems(); }
    platform::ui::MenuItem itemAtIndex(int index) const override { return model_.itemAtIndex(index); }
    void setItemEnabled(int index, bool enabled) override;
    void setItemTitle(int index, std::string_view title) override;
    void selectItemAtIndex(int index) override;
    int indexOfSelectedItem() const override { return model_.indexOfSelectedItem(); }
    int minValue() const override { return model_.minValue(); }
    int maxValue() const override { return model_.maxValue(); }
    void setMinValue(int value) override { model_.setMinValue(value); }
    void setMaxValue(int value) override { model_.setMaxValue(value); }
    void setAction(std::function<void()> action) override { model_.setAction(std::move(action)); }
    void sendAction() override { model_.sendAction(); }
    platform::ui::WidgetOwner* owner() const override { return model_.owner(); }
    void setOwner(platform::ui::WidgetOwner* owner) override { model_.setOwner(owner); }

    // What the window side asks.
    GtkWidget* Gtk() const { return widget_; }
    const HeadlessWidget* Model() const { return &model_; }
    // The popover's item buttons, in item order (empty until first shown).
    const std::vector<GtkWidget*>& ItemButtons() const { return itemButtons_; }
    GtkWidget* Popover() const { return popover_; }
    // The stepper's arrows.
    GtkWidget* UpArrow() const { return up_; }
    GtkWidget* DownArrow() const { return down_; }

private:
    void Build(GtkFixed* parent);
    // Puts the model's state on the screen; the screen's signals are ignored meanwhile.
    void Sync();
    void SyncItems();
    void RebuildItems();
    std::string ShownText() const;
    bool IsHelpButton() const;

    // What a person did.
    void Clicked();
    void Toggled();
    void ItemChosen(int index);
    void Stepped(bool up);
    void Inserted(GtkEditable* editable, const char* text, int length, int* position);
    void Deleted(GtkEditable* editable, int start, int end);
    void Changed();
    void Commit();
    void FocusEntered();

    static void OnClicked(GtkButton* button, gpointer self);
    static void OnToggled(GtkCheckButton* button, gpointer self);
    static void OnItemClicked(GtkButton* button, gpointer self);
    static void OnPopoverShow(GtkWidget* popover, gpointer self);
    static void OnStepUp(GtkButton* button, gpointer self);
    static void OnStepDown(GtkButton* button, gpointer self);
    static void OnInsertText(GtkEditable* editable, const char* text, int length, int* position,
                             gpointer self);
    static void OnDeleteText(GtkEditable* editable, int start, int end, gpointer self);
    static void OnChanged(GtkEditable* editable, gpointer self);
    static void OnActivate(GtkEntry* entry, gpointer self);
    static void OnFocusEnter(GtkEventControllerFocus* controller, gpointer self);
    static void OnFocusLeave(GtkEventControllerFocus* controller, gpointer self);

    std::shared_ptr<ScreenSession> session_;
    HeadlessWidget& model_;
    GtkFixed* parent_;
    GtkWidget* widget_ = nullptr;  // the control, a child of parent_
    GtkWidget* partner_ = nullptr; // a radio's hidden group partner, in parent_
    GtkWidget* popover_ = nullptr;
    GtkWidget* itemBox_ = nullptr;
    std::vector<GtkWidget*> itemButtons_;
    GtkEventController* focus_ = nullptr; // a text field's, owned by widget_
    GtkWidget* up_ = nullptr;
    GtkWidget* down_ = nullptr;
    bool syncing_ = false;
    bool itemsDirty_ = true;
    bool edited_ = false; // a text field's text changed since it took the focus
};

} // namespace host
