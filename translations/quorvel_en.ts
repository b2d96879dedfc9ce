<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CreationRun</name>
    <message numerus="yes">
        <source>%1 of %n pictures gave no thumbnail:</source>
        <translation>
            <numerusform>%1 of %n picture gave no thumbnail:</numerusform>
            <numerusform>%1 of %n pictures gave no thumbnail:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Thumbnail creation was cancelled: %1 of %n thumbnails were made.</source>
        <translation>
            <numerusform>Thumbnail creation was cancelled: %1 of %n thumbnail was made.</numerusform>
            <numerusform>Thumbnail creation was cancelled: %1 of %n thumbnails were made.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Thumbnail creation finished, but not everything could be written: %1 of %n thumbnails were written.</source>
        <translation>
            <numerusform>Thumbnail creation finished, but not everything could be written: %1 of %n thumbnail was written.</numerusform>
            <numerusform>Thumbnail creation finished, but not everything could be written: %1 of %n thumbnails were written.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Making the album: %1 of %n pictures done</source>
        <translation>
            <numerusform>Making the album: %1 of %n picture done</numerusform>
            <numerusform>Making the album: %1 of %n pictures done</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorvel-batch</name>
    <message numerus="yes">
        <source>%1 of %n pictures</source>
        <translation>
            <numerusform>%1 of %n picture</numerusform>
            <numerusform>%1 of %n pictures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Album %1: %n pictures, %2 made, %3 up to date, %4 removed, %5 failed.</source>
        <translation>
            <numerusform>Album %1: %n picture, %2 made, %3 up to date, %4 removed, %5 failed.</numerusform>
            <numerusform>Album %1: %n pictures, %2 made, %3 up to date, %4 removed, %5 failed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n thumbnails written to %1</source>
        <translation>
            <numerusform>%n thumbnail written to %1</numerusform>
            <numerusform>%n thumbnails written to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n pictures failed</source>
        <translation>
            <numerusform>, %n picture failed</numerusform>
            <numerusform>, %n pictures failed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorvel::Form2</name>
    <message numerus="yes">
        <source>Image Replace finished, but %n of the files could not be written.</source>
        <translation>
            <numerusform>Image Replace finished, but %n of the files could not be written.</numerusform>
            <numerusform>Image Replace finished, but %n of the files could not be written.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorvel::ImageReplace</name>
    <message numerus="yes">
        <source>%n of them will not be written: each would replace a picture.</source>
        <translation>
            <numerusform>%n of them will not be written: each would replace a picture.</numerusform>
            <numerusform>%n of them will not be written: each would replace a picture.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorvel::frmFileManageRename</name>
    <message numerus="yes">
        <source>Files on list: %n</source>
        <translation>
            <numerusform>Files on list: %n</numerusform>
            <numerusform>Files on list: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files have been renamed; the skipped files stay on your list.</source>
        <translation>
            <numerusform>%1 of %n file has been renamed; the skipped file stays on your list.</numerusform>
            <numerusform>%1 of %n files have been renamed; the skipped files stay on your list.</numerusform>
        </translation>
    </message>
</context>
</TS>
