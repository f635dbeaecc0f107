; The Windows installer (NSIS): Tarnbook for the user who runs it, no
; administrator rights asked, into the user's own programs folder, with a
; Start-menu entry, an "Add a Task" shortcut with a hotkey (Ctrl+Alt+T),
; a "What I Got Done" shortcut to the logbook of tasks done, and an
; uninstaller in the user's list of programs. /S runs either without a
; window. Installing over an earlier version upgrades
; it in place; uninstalling removes every file it installed and leaves the
; user's lists in the registry alone, as apt remove leaves the settings file.
;   makensis -DVERSION=3.0.1 -DICON=<velmorwick.ico> -DFILES=<files.nsh> -DSIZE=<KiB> -DOUTFILE=<setup.exe> installer.nsi
; tools/windows/make-installer.sh writes FILES from the program's folder.
; A 64-bit installer for the 64-bit program: it runs wherever the program does.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmorwick"

Name "Tarnbook"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Velmorwick"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
Icon "${ICON}"
UninstallIcon "${ICON}"
BrandingText "Tarnbook ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The files of the program's folder, each named: installed, and removed again.
!include "${FILES}"

Section "Tarnbook"
    SetShellVarContext current
    ; An earlier version here: its own uninstaller takes its files away
    ; first, in place and waited for; the user's lists stay.
    IfFileExists "$INSTDIR\uninstall.exe" 0 fresh
        ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
        Delete "$INSTDIR\uninstall.exe"
    fresh:
    !insertmacro InstallFiles
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Tarnbook.lnk" "$INSTDIR\velmorwick.exe" "" "$INSTDIR\velmorwick.exe" 0
    ; A task from anywhere: Windows runs a Start-menu shortcut's hotkey
    ; whichever program has the focus; the user can change it in the
    ; shortcut's properties.
    CreateShortcut "$SMPROGRAMS\Add a Task.lnk" "$INSTDIR\velmorwick.exe" "add" "$INSTDIR\velmorwick.exe" 0 \
        SW_SHOWNORMAL CONTROL|ALT|T "Add a task to today's list"
    CreateShortcut "$SMPROGRAMS\What I Got Done.lnk" "$INSTDIR\velmorwick.exe" "done --window" \
        "$INSTDIR\velmorwick.exe" 0 SW_SHOWNORMAL "" "The tasks done in the last days"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tarnbook"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Velmorwick"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velmorwick.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE}
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Tarnbook.lnk"
    Delete "$SMPROGRAMS\Add a Task.lnk"
    Delete "$SMPROGRAMS\What I Got Done.lnk"
    !insertmacro RemoveFiles
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR" ; only when nothing else is left in it
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; HKCU\Software\Velmorwick, the user's lists, is not touched.
SectionEnd
