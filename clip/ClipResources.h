#pragma once
// Resource ids of CLIP.OCX, shared by clip.rc and the code.

#define IDS_CLIP_TYPE_NAME 1
#define IDS_CLIP_PROPPAGE_TYPE_NAME 2
#define IDS_CLIP_PROPPAGE_CAPTION 100

#define IDB_CLIP_TOOLBOX 1
#define IDB_CLIP_FACE 202

#define IDD_PROPPAGE_CLIP 100

#define IDR_CLIP_TYPELIB 1
