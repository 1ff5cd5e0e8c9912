/* Resource identifiers shared by the resource script and the Windows shell. */
#ifndef VESKO_RES_RESOURCE_H
#define VESKO_RES_RESOURCE_H

#define IDR_MAINFRAME 128 /* the application icon */
#define IDS_ABOUTBOX 101  /* label of the window-menu entry for the version box; none shipped */

#endif
