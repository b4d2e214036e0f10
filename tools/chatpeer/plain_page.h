// An Internet Explorer frame showing an ordinary page: the same frame, view and page windows as
// the chat room, but no dialog inside, so nothing there to type into.
#pragma once

#include <windows.h>

#include "container.h"
#include "peer_context.h"

class PlainPage {
 public:
  PlainPage(PeerContext& ctx, int index);
  PlainPage(const PlainPage&) = delete;
  PlainPage& operator=(const PlainPage&) = delete;

  bool Create(const RECT& rc);

 private:
  PeerContext& ctx_;
  int index_;
  Container frame_;
  Container view_;
  Container server_;
};
