#pragma once

#include <functional>

// The user's choices the playlist model reads when it needs them. Settings
// live in the application layer above this library, so its owner supplies
// them; an empty provider reads as 0.
struct PlaylistPreferences
{
    // The "userselectListSort" setting (0 to 4).
    std::function<int()> sortOrder;
    // The application manager's play mode: how many sibling channel files
    // play beside the clicked one (0 to 3).
    std::function<int()> playMode;
};
