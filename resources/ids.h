/* ids.h — the command and control ids of the dictionary program: its
   menus, accelerators and dialogs (the resource files of every UI
   language include this file), its windows and its tests.
   Plain #defines: the resource compiler reads this file too. */
#pragma once

/* Menu and accelerator commands. */
#define IDM_OPEN_TEXT_FILE 1  /* text-file search: File > Open textfile */
#define IDM_EXIT 3            /* main window: File > Exit, the exit key */
#define IDM_HELP 4            /* Help > Help Dictionary, F1 */
#define IDM_ABOUT 5           /* Help > About... */
#define IDM_PALETTE_ON 6      /* Character set > On */
#define IDM_PALETTE_OFF 7     /* Character set > Off */
#define IDM_TEXT_SEARCH 9     /* main window: the text-file search window */
#define IDM_ADD_WORDS 10      /* the add-words window */
#define IDM_PRACTICE 11       /* the practice window */
#define IDM_SEARCH 12         /* the search window */
#define IDM_LIST_EDITOR 13    /* the practice-list editor */
#define IDM_PASTE_TEXT 20     /* text-file search: File > Paste text from clipboard */
#define IDM_RECORD 25         /* the recorder (record mode only) */
#define IDM_TOGGLE_DELETED 50 /* search window: Delete record / Restore record */
#define IDM_COPY 53           /* search window: Copy */
#define IDM_PASTE 54          /* search window: Paste */
#define IDM_STAY_ON_TOP 55    /* main window: File > Stay on top */
#define IDM_CLIPBOARD_ON 56   /* search window: Automatic Clipboard search > On */
#define IDM_CLIPBOARD_OFF 57  /* ... > Off */
#define IDM_PLAY 58           /* search window: Play */
#define IDM_CREATE_LIST 59    /* list editor: File > Create new list */
#define IDM_DELETE_LIST 60    /* list editor: File > Delete current list */
#define IDM_FIRST_PAIR 200    /* Language menu: 200 + catalogue position */
#define IDM_FIRST_LIST 400    /* Lists menu: 400 + folder position */

/* Controls. Each window uses the ids its own layout gives; several
   windows share an id for the same role (Done, the search field). */
#define IDC_DONE 14              /* Done; the practice window's Quit; the recorder's Exit; Cancel */
#define IDC_ADD_ALL 15           /* list editor */
#define IDC_REMOVE_ALL 16        /* list editor */
#define IDC_ADD_RANDOM 17        /* list editor */
#define IDC_RANDOM_OK 18         /* add-random window: OK */
#define IDC_DELETE_OLD 19        /* add-random window: Delete old list */
#define IDC_TEXT_HELP 21         /* text-file search: Help */
#define IDC_ADD_HELP 22          /* add-words window: Help */
#define IDC_PRINT 23             /* list editor: Print */
#define IDC_PRINT_DOCUMENT 24    /* list editor: the hidden rich-text document */
#define IDC_RECORD_BUTTON 26     /* recorder: Start recording / Stop recording */
#define IDC_SEARCH_FIELD 30      /* search fields; add words: source field; name and count boxes */
#define IDC_TEXT_BOX 31          /* text-file search: the text; add words: target field */
#define IDC_PROGRESS_BAR 40      /* practice window */
#define IDC_SCROLL_BAR 41        /* the result rows' scroll bar; list editor: the list's */
#define IDC_DICTIONARY_SCROLL 42 /* list editor: the dictionary's scroll bar */
#define IDT_STEP 43              /* practice window: the step timer */
#define IDC_HEADWORD_BOX 45      /* practice window: headword box; recorder: its static texts */
#define IDC_TRANSLATION_BOX 46   /* practice window */
#define IDC_SPEED_FRAME 47       /* practice window */
#define IDC_SPEED_SLIDER 50      /* practice window */
#define IDC_FIRST_HEADWORD 100   /* result rows: headword fields; list editor: list boxes */
#define IDC_FIRST_TRANSLATION \
    120                     /* result rows: translation fields; list editor: dictionary boxes */
#define IDC_ABOUT_TITLE 101 /* About box: the four lines of its right frame */
#define IDC_ABOUT_VERSION 102
#define IDC_ABOUT_CREDIT 103
#define IDC_ABOUT_DATA 104
