// The generic view's web browsers: a WebBrowserHost per WebBrowser component, its events raised
// on the model; see component_view.h and web_browser_host.h.
#include "ui/win32/component_view.h"

#include <memory>
#include <utility>

#include "ui/win32/web_browser_host.h"

namespace tikora {

void ComponentView::createBrowser(std::size_t index) {
  const Component& c = model_.all()[index];
  const std::wstring name = c.name;
  WebBrowserCallbacks callbacks;
  callbacks.documentComplete = [this, index, name] {
    // The page's body takes the model's style settings before the model hears of the page.
    if (const auto found = browsers_.find(index); found != browsers_.end())
      found->second->setBodyStyle(model_.all()[index].state.items);
    raise(name, ComponentEvent::DocumentComplete);
  };
  callbacks.navigateError = [this, name] { raise(name, ComponentEvent::NavigateError); };
  callbacks.newWindow = [this, name](const std::wstring& address) {
    ComponentInput input;
    input.address = address;
    raise(name, ComponentEvent::NewWindow, input);
  };
  callbacks.cancelErrors = table_.hasHandler(name, ComponentEvent::NavigateError);
  callbacks.opensNewWindows = table_.hasHandler(name, ComponentEvent::NewWindow);

  auto host = std::make_unique<WebBrowserHost>(instance_, std::move(callbacks));
  const Rect at = placeOnParent(c);
  if (!host->create(parentOf(c), RECT{at.left, at.top, at.right(), at.bottom()})) return;
  controls_[index].hwnd = host->hwnd();
  byHwnd_[host->hwnd()] = index;
  browsers_[index] = std::move(host);
}

void ComponentView::applyBrowser(std::size_t index, const ComponentState* before) {
  const ComponentState& s = model_.all()[index].state;
  if (before && before->text == s.text && before->position == s.position) return;
  const auto found = browsers_.find(index);
  if (found == browsers_.end() || s.text.empty()) return;
  found->second->navigate(s.text);
}

}  // namespace tikora
