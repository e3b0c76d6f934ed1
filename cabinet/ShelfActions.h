#pragma once

class QAction;
class VorendaShelf;

// The cabinet's keyboard and menu actions, made from one table in creation order: a
// menu entry and its key run the same slot and share one check mark.
class ShelfActions
{
public:
    // Makes each action a Qt child of the cabinet, keeps it in the cabinet's member and
    // connects it. Keys given as text are translatable, so a translation may move a key.
    static void create(VorendaShelf& shelf);
    // A checkable action shows `on` without running its slot again; null is skipped.
    static void showChecked(QAction* action, bool on);
};
