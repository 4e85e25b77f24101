// The generic view's list views: report views of rows in columns, each row in its own text
// colour, with a strip of small pictures; see component_view.h.
#include "ui/win32/component_view.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/gdi.h"
#include "ui/win32/component_view_parts.h"

namespace tikora {

void makeListViewClass(ControlClass& made) {
  made.className = WC_LISTVIEWW;
  // The view owns the pictures' lists (one per resource and resolution), not the list.
  made.style = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | kTabStop;
  made.exStyle = WS_EX_CLIENTEDGE;
  made.text.clear();
}

void ComponentView::setUpListView(std::size_t index) {
  const Component& c = model_.all()[index];
  ListView_SetExtendedListViewStyle(
      controls_[index].hwnd,
      LVS_EX_DOUBLEBUFFER | ((c.options & kGridLines) ? LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT : 0));
}

void ComponentView::applyListView(std::size_t index, const ComponentState* before) {
  const Component& c = model_.all()[index];
  HWND list = controls_[index].hwnd;
  const ComponentState& s = c.state;
  if (!before || before->columns != s.columns) {
    while (ListView_DeleteColumn(list, 0)) {
    }
    for (std::size_t i = 0; i < s.columns.size(); ++i) {
      LVCOLUMNW column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH;
      column.pszText = const_cast<wchar_t*>(s.columns[i].caption.c_str());
      column.cx = scaleToDpi(s.columns[i].width, dpi_);
      ListView_InsertColumn(list, static_cast<int>(i), &column);
    }
  }
  if (!before || before->picture != s.picture) {
    HIMAGELIST images = s.picture.empty() ? nullptr : imageListFor(s.picture);
    ListView_SetImageList(list, images, LVSIL_SMALL);
  }
  const auto sameTexts = [](const std::vector<ListRow>& a, const std::vector<ListRow>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const ListRow& x, const ListRow& y) { return x.cells == y.cells && x.image == y.image; });
  };
  if (before && before->rows != s.rows && sameTexts(before->rows, s.rows)) {
    // Only colours changed: the rows are drawn again where they are, the scroll position kept.
    InvalidateRect(list, nullptr, FALSE);
  } else if (!before || before->rows != s.rows) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    for (std::size_t r = 0; r < s.rows.size(); ++r) {
      const ListRow& row = s.rows[r];
      LVITEMW item{};
      item.mask = LVIF_TEXT | (row.image >= 0 ? LVIF_IMAGE : 0);
      item.iItem = static_cast<int>(r);
      item.pszText = const_cast<wchar_t*>(row.cells.empty() ? L"" : row.cells[0].c_str());
      item.iImage = row.image;
      ListView_InsertItem(list, &item);
      for (std::size_t col = 1; col < row.cells.size(); ++col)
        ListView_SetItemText(list, static_cast<int>(r), static_cast<int>(col),
                             const_cast<wchar_t*>(row.cells[col].c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    before = nullptr;
  }
  if (!before || before->selected != s.selected) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (s.selected >= 0) {
      ListView_SetItemState(list, s.selected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
      ListView_EnsureVisible(list, s.selected, FALSE);
    }
  }
}

HIMAGELIST ComponentView::imageListFor(const std::wstring& resource) {
  auto found = imageLists_.find({resource, dpi_});
  if (found != imageLists_.end()) return found->second;
  // A strip of 16 x 16 pictures, magenta being see-through; at another resolution each picture
  // scaled to the size of the small icons there. The list masks a copy: masking blackens the
  // see-through pixels of the bitmap it is given.
  constexpr int kCell = 16;
  constexpr COLORREF kSeeThrough = RGB(255, 0, 255);
  HIMAGELIST list = nullptr;
  if (HBITMAP strip = resourceBitmap(resource)) {
    BITMAP info{};
    GetObjectW(strip, sizeof info, &info);
    const int count = info.bmWidth / kCell, size = scaleToDpi(kCell, dpi_);
    WindowDc screen;
    GdiObject<HBITMAP> scaled(CreateCompatibleBitmap(screen, count * size, size));
    MemoryDc from(screen), to(screen);
    {
      SelectedObject source(from, strip), target(to, scaled);
      // Pixel by pixel, so that the see-through colour stays exact at the pictures' edges.
      SetStretchBltMode(to, COLORONCOLOR);
      StretchBlt(to, 0, 0, count * size, size, from, 0, 0, count * kCell, kCell, SRCCOPY);
    }
    list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0);
    if (list) ImageList_AddMasked(list, scaled, kSeeThrough);
  }
  imageLists_.emplace(std::pair{resource, dpi_}, list);
  return list;
}

bool ComponentView::onListViewNotify(std::size_t index, const NMHDR& header, LRESULT& result) {
  const Component& c = model_.all()[index];
  ComponentInput input;
  if (header.code == NM_CUSTOMDRAW) {
    // Each row in its own text colour.
    auto& draw = const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
      result = CDRF_NOTIFYITEMDRAW;
    } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
      const std::size_t row = draw.nmcd.dwItemSpec;
      if (row < c.state.rows.size() && c.state.rows[row].textColour && !systemColours())
        draw.clrText = *c.state.rows[row].textColour & 0x00FFFFFF;
      result = CDRF_DODEFAULT;
    }
    return true;
  }
  if (header.code == LVN_ITEMCHANGED && !applying_) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (!(change.uChanged & LVIF_STATE) || !((change.uNewState ^ change.uOldState) & LVIS_SELECTED)) return true;
    const int selected = ListView_GetNextItem(header.hwndFrom, -1, LVNI_SELECTED);
    if (selected == c.state.selected) return true;
    input.selected = selected;
    raise(c.name, ComponentEvent::Change, input);
    return true;
  }
  return false;
}

void ComponentView::placeListViewAtDpi(std::size_t index) {
  const Component& c = model_.all()[index];
  HWND hwnd = controls_[index].hwnd;
  for (std::size_t col = 0; col < c.state.columns.size(); ++col)
    ListView_SetColumnWidth(hwnd, static_cast<int>(col), scaleToDpi(c.state.columns[col].width, dpi_));
  if (!c.state.picture.empty()) ListView_SetImageList(hwnd, imageListFor(c.state.picture), LVSIL_SMALL);
}

}  // namespace tikora
