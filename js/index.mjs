// The ES module entry of tavrix-parser: the same functions as the CommonJS
// entry (index.js), which loads the WebAssembly module.
import tavrix from './index.js';

export const { parse, Parser, version, memoryUsage } = tavrix;
