// controls.h — the ids of the installer window's controls.
#pragma once

enum InstallControl {
    kStartButton = 200,
    kStopButton = 201,
    kChangeFolderButton = 202,
    kPanel = 249,
    kFolderLabel = 250,
    kDriveLabel = 251,
    kFolderListLabel = 252,
    kDriveList = 300,
    kFolderList = 301,
    kFolderField = 350,
};
