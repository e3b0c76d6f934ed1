#pragma once

// What an item's picture is made from. Stored as an int in the item's properties and
// in the cabinet data file, so the values never change.
enum ThumbType {
    ThumbIcon = 0,    // the system icon: folders, applications, other files, missing paths
    ThumbImage = 1,   // an image file, pictured by the image helper
    ThumbPhoto = 2,   // an image the image helper reported as a photograph
    ThumbVideo = 3,   // a video file
    ThumbWebPage = 4, // a web link, an HTML file or a link file
    ThumbAudio = 5    // an audio file; its icon until the audio helper answers
};

// What an item's target is when the item is made; not stored.
enum GenericType {
    GenericPath = 0,  // a file-system path: file, folder or application
    GenericWebUrl = 1 // a web address
};
