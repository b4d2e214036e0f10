// A fake main window: the controls' state from the control table, with the same rules as the
// real one (option groups exclusive), and scripted answers for message boxes.
#pragma once
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/controls.h"
#include "platform/form_port.h"

namespace sorelka::testing {

struct ShownBox {
  Text text;
  bool hasTitle;
  Text title;
  unsigned flags;
};

class FakeForm : public FormPort {
 public:
  FakeForm() {
    for (const ControlRow<Ctl>& s : ControlTable()) {
      State& st = state_[static_cast<int>(s.id)];
      st.value = s.value;
      st.text = s.caption ? Text(s.caption) : Text();
      st.visible = s.visible;
      st.bounds = {s.left, s.top, s.width, s.height};
    }
  }

  int Value(Ctl c) override { return At(c).value; }
  void SetValue(Ctl c, int v) override {
    if (v && Describe(c).group)
      for (const ControlRow<Ctl>& s : ControlTable())
        if (s.group == Describe(c).group) At(s.id).value = 0;
    At(c).value = v;
  }
  bool Enabled(Ctl c) override { return At(c).enabled; }
  void SetEnabled(Ctl c, bool e) override {
    enableLog.emplace_back(c, e);
    At(c).enabled = e;
  }
  Text GetText(Ctl c) override { return At(c).text; }
  void SetReadOnly(Ctl c, bool r) override { At(c).readOnly = r; }
  bool ReadOnly(Ctl c) { return At(c).readOnly; }
  void SetText(Ctl c, const Text& t) override { At(c).text = t; }
  bool Visible(Ctl c) override { return At(c).visible; }
  void SetVisible(Ctl c, bool v) override { At(c).visible = v; }
  TwipRect Bounds(Ctl c) override { return At(c).bounds; }
  void Move(Ctl c, const TwipRect& r) override { At(c).bounds = r; }
  int ScaleWidth() override { return kClientWidthTwips; }

  void SetPanelText(int panel, const Text& t) override {
    panelText[panel] = t;
  }
  Text PanelText(int panel) override { return panelText[panel]; }
  void SetPanelIcon(int panel, int icon) override {
    panelIcon[panel] = icon;
  }

  bool MenuChecked(Menu m) override { return menuChecked[m]; }
  void SetMenuChecked(Menu m, bool c) override { menuChecked[m] = c; }
  void PopupMenu(Menu m) override { popups.push_back(m); }

  int MessageBox(const Text& text, const Text* title, unsigned flags) override {
    boxes.push_back({text, title != nullptr, title ? *title : Text(), flags});
    if (onBox) onBox();
    if (answers.empty()) return (flags & 0xF) == kMbYesNo ? kIdYes : kIdOk;
    int a = answers.front();
    answers.pop_front();
    return a;
  }

  Text MessageText() override {
    ++messageReads;
    return At(Ctl::Message).text;
  }
  int messageReads = 0;
  Hwnd WindowHandle() override { return handle; }
  Hwnd handle = 0x77;  // the main window; tests may make it a window of the fake desktop

  std::vector<std::pair<Ctl, bool>> enableLog;
  std::map<int, Text> panelText;
  std::map<int, int> panelIcon;
  std::map<Menu, bool> menuChecked;
  std::vector<Menu> popups;
  std::vector<ShownBox> boxes;
  std::deque<int> answers;
  std::function<void()> onBox;  // what happens elsewhere while a box is open

 private:
  struct State {
    int value = 0;
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
    Text text;
    TwipRect bounds;
  };
  State& At(Ctl c) { return state_[static_cast<int>(c)]; }
  State state_[kControlCount];
};

}  // namespace sorelka::testing
