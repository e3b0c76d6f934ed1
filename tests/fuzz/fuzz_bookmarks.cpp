#include "FuzzEnvironment.h"
#include "FuzzTarget.h"

#include "BookmarkFile.h"

// A bookmark file of any kind (a Firefox places database, a Chromium "Bookmarks" file,
// a bookmark property list), told by its content as the importer tells it, under a
// budget small enough for an input to spend it, and the tree it gives walked as the
// import walks it.

namespace {

int countNodes(const BookmarkNode& node)
{
    int count = 1;
    for (const BookmarkNode& child : node.children)
        count += countNodes(child);
    return count + node.title.size() % 2 + node.url.size() % 2;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzEnvironment::start(FuzzEnvironment::Application::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment::clearScratch();
    const QString path =
        FuzzEnvironment::writeScratchFile(QStringLiteral("places.sqlite"), FuzzEnvironment::bytes(data, size));
    QString error;
    BookmarkBudget budget(64);
    const std::optional<BookmarkNode> tree = BookmarkFile::read(path, &error, budget);
    if (tree)
        countNodes(*tree);
    return 0;
}
