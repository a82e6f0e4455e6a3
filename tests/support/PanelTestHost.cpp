#include "tests/support/PanelTestHost.h"

namespace testing_support {

PanelTestHost::PanelTestHost(std::string printerID) : toolkit_(&services_)
{
    services_.SetWidgetToolkit(&toolkit_);
    session_.SetCurrentPrinter(platform::Printer(std::move(printerID)));
}

bool PanelTestHost::willChangePPDOptionKeyValue(std::string_view option, std::string_view choice)
{
    marked_.emplace_back(option, choice);
    if (ppd_ != nullptr) ppdMarkOption(ppd_.get(), std::string(option).c_str(), std::string(choice).c_str());
    return true;
}

void PanelTestHost::Attach(BasePrintPanel& panel)
{
    panel.initWithCallback(this);
    panel.CreatePanel(toolkit_.createView({0, 0, 500, 400}));
    panel.SetCurrentPrintSettings(&settings_, ppd_.get(), this, &session_);
}

std::unique_ptr<platform::ui::Window> PanelTestHost::NewWindow(BasePrintPanel& owner)
{
    return toolkit_.createWindow("", {0, 0, 400, 300}, owner.GetPanelView());
}

platform::ui::Widget* PanelTestHost::AddWidget(BasePrintPanel& panel, platform::ui::WidgetKind kind, int tag)
{
    platform::ui::View* view = panel.GetPanelView();
    if (view == nullptr) return nullptr;
    platform::ui::Widget* widget = view->addWidget(kind, {0, 0, 100, 20});
    widget->setTag(tag);
    return widget;
}

} // namespace testing_support
