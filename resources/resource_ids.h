// Resource identifiers shared by the .rc file and the shell.
#pragma once
#define IDI_APP 1          /* program icon: 16x16 and 32x32, 16 colours (same picture as IDI_CHAT) */
#define IDI_MESSENGER 101  /* status icon for a Messenger conversation, 16x16, 256 colours */
#define IDI_CHAT 102       /* status icon for the chat control, 16x16, 16 colours */
#define IDI_INFO 103       /* status icon for any other application: speech bubble with an i */
#define IDI_BROWSER 104    /* the version window's picture of the supported browser: a globe */
#define IDB_CORNER 110     /* 32x32 picture for the free corner of the main window */
