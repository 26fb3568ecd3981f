// Prints the file named by the first argument compressed with gzip, as base64, for the page.
"use strict";
const fs = require("fs");
const zlib = require("zlib");
const packed = zlib.gzipSync(fs.readFileSync(process.argv[2]), { level: 9 });
process.stdout.write(packed.toString("base64"));
