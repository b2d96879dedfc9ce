// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvel
{

/// A web folder typed in the thumbnail window, as it goes in front of a name: a text
/// that does not end with "/" gets one ("images" -> "images/"), and then a text that
/// is exactly "/" becomes empty (the page's own folder).
QString normaliseServerPath(const QString &path);

/// A URL as an unquoted attribute value. A value of plain characters (letters,
/// digits and - . _ ~ / ! $ ( ) * + , ; : @) is returned unchanged; every other
/// character (a space, a quote, "&", "%", "#", "?", "<", ">", a letter outside ASCII)
/// is percent-encoded as UTF-8, so the value neither ends the tag nor changes the
/// link's meaning. With keepEscapes, an existing escape ("%20") is kept as typed
/// (a web folder the user wrote already encoded); without it "%" itself is encoded
/// (a file name such as "100%.jpg").
QString urlAttributeValue(const QString &value, bool keepEscapes = false);

/// A text (such as ALT) as an attribute value: unchanged when it is not empty and
/// holds none of the characters that end or confuse an unquoted value (white space,
/// quotes, "=", "<", ">", "`", "&"); otherwise in double quotes with "&", '"', "<"
/// and ">" written as character references.
QString textAttributeValue(const QString &value);

/// The link the thumbnail window pastes: "<a href = " + href + "><img src = " + src +
/// " ALT=" + alt + "></a>", each value encoded as above. href and src are the web
/// folder (already normalised, may be empty) and the file name, joined; without a
/// web folder the name's colons before any "/" are encoded as well, so the link and
/// the image stay references to the files beside the page (see relativeReference()).
QString thumbnailLinkHtml(const QString &hrefFolder,
    const QString &pictureName,
    const QString &srcFolder,
    const QString &thumbnailName,
    const QString &altText);

/// What the thumbnail window was asked to do, as its controls stand.
struct ThumbnailRequest {
    QString picturePath; ///< Text1: the full path of the chosen picture
    bool renameThumbnail = false; ///< Check1 "Rename Thumbnail"
    QString prefix; ///< Text3
    QString altText; ///< Text2
    bool useServerPaths = false; ///< Check2 "Use Server Paths"
    QString imageServerPath; ///< Text4: web folder of the full-size pictures
    QString thumbnailServerPath; ///< Text5: web folder of the thumbnails
    bool useThumbnailFolder = false; ///< Check3 "Use Paths when creating Thumbnails"
    QString thumbnailFolder; ///< Text7: disk folder of the thumbnail
    bool copyPicture = false; ///< Check4 "Copy Images to Image Path"
    QString imageFolder; ///< Text6: disk folder the picture is copied to
    QString pagePath; ///< the edited page's file; empty for a page not yet saved
};

/// What "&Ok" does for a request, decided before anything is written.
struct ThumbnailPlan {
    /// Why the request is refused (nothing is written or pasted), else empty.
    QString error;
    /// The file the thumbnail is written to (absolute).
    QString thumbnailFile;
    /// Where the picture is copied to (absolute); empty when it is not copied, or
    /// when that is the picture itself.
    QString copyTarget;
    /// The link pasted over the editor's selection.
    QString html;
};

/// Decides the thumbnail file, the copy and the link for a request:
/// - the picture name is the text after the picture path's last separator;
/// - the thumbnail name is the prefix + the picture name when renaming, otherwise the
///   picture name itself;
/// - the thumbnail is written in the thumbnail folder when "Use Paths" is on, else in
///   the edited page's folder, or the picture's folder for a page not yet saved, so
///   that the link's plain name finds it; a relative folder counts from that same
///   folder, never from the program's working folder;
/// - the picture is copied into the image folder (a relative one counts from there too).
/// Refused: no picture (an empty path, or one that ends in a separator); a renaming
/// prefix that holds a folder separator (as the creation run refuses it); "Use Paths"
/// or copying on with an empty folder; a thumbnail that would be written over the
/// picture itself.
ThumbnailPlan planThumbnail(const ThumbnailRequest &request);

/// Copies a picture to target through a temporary file renamed into place (a failed
/// copy leaves any earlier file whole). Copying a file onto itself does nothing.
/// Returns an empty string on success, else a sentence naming the file and why.
QString copyPictureFile(const QString &source, const QString &target);

} // namespace quorvel
