#pragma once
// The parsed form of a text form resource: nested objects with their class, name and property
// assignments, each with the line it came from.
//
// The text format:
//
//     object frmMain: TfrmMain            // an object: name, colon, class
//       Caption = "Hello \"world\""       // strings take \" \\ \n \r \t \xHH; "a" + "b" joins
//       Font.Height = -11                 // dotted paths reach into sub-objects
//       Visible = False                   // booleans
//       Align = alClient                  // identifiers: enumerations, colours, references, handlers
//       Color = 0x00FF8040                // integers, decimal or 0x hex
//       Anchors = [akLeft, akTop]         // sets
//       Lines = ("first" "second")        // string lists
//       Columns = <                       // collections
//         item
//           Caption = "Name"
//         end>
//       Bitmap = {0A1B 2C3D}              // binary data in hex
//       OnClick = ButtonClick
//       object Button1: TButton           // owned components, nested by parent
//       end
//     end

#include <string>
#include <vector>

#include "classlib/core/Value.h"

namespace cl {

struct TFormCollectionItem;

struct TFormProperty {
    std::string path;
    int line = 0;
    TValue value;  // scalar, set, list or binary; Empty for a collection
    bool isCollection = false;
    std::vector<TFormCollectionItem> items;
};

struct TFormCollectionItem {
    int line = 0;
    std::vector<TFormProperty> properties;
};

struct TFormObject {
    std::string name;
    std::string className;
    int line = 0;
    std::vector<TFormProperty> properties;
    std::vector<TFormObject> children;
};

}  // namespace cl
