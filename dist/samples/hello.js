// A sample for mosa-trevlin: encoding it gives hello.jse, which runs as this file does.
var parts = ["Hello", "from", "an", "encoded", "script."];
WScript.Echo(parts.join(" "));
