// Titles and room names, numbered when several windows of a kind are open.
#pragma once

#include <string>

#include "options.h"

// index counts from 0; numbering starts at 1 and only shows when options.count > 1.
std::wstring ChatTitle(const PeerOptions& options, int index);
std::wstring RoomName(const PeerOptions& options, int index);
std::wstring MessengerTitle(const PeerOptions& options, int index);
std::wstring PlainPageTitle(const PeerOptions& options, int index);
