// The engine in WebAssembly behind two calls. The record goes through heap memory that is
// freed after the call, so no length of text can overrun the engine's small stack; an engine
// that traps all the same is replaced by a fresh instance, so one bad input never costs the
// page its calculator.
import createEngine from './mixdesign.mjs';

function run(module, record, call = '_mixdesign_design') {
  const text = JSON.stringify(record);
  const size = module.lengthBytesUTF8(text) + 1;
  const pointer = module._malloc(size);
  try {
    module.stringToUTF8(text, pointer, size);
    return module.UTF8ToString(module[call](pointer));
  } finally {
    module._free(pointer);
  }
}

// `record`: the design fields by the link's keys and values (strength, specimen, slump,
// stone, admixture, dose, moisture), the pour entries and prices by the entry table's keys,
// and `address`, the page's address without its fragment, for the design's link.
export function makeEngine(options = {}) {
  let instance = createEngine(options);
  return {
    get ready() { return instance; },
    // The engine's JSON as it wrote it.
    async designText(record) {
      try {
        return run(await instance, record);
      } catch (error) {
        instance = createEngine(options);
        console.warn('engine restarted:', error);
        return run(await instance, record);
      }
    },
    async design(record) {
      return JSON.parse(await this.designText(record));
    },
    // A results sheet judged: `record` holds "sheet", the design's "strength" and "specimen"
    // and the day's "date" (web/webresults.h).
    async results(record) {
      try {
        return JSON.parse(run(await instance, record, '_mixdesign_results'));
      } catch (error) {
        instance = createEngine(options);
        console.warn('engine restarted:', error);
        return JSON.parse(run(await instance, record, '_mixdesign_results'));
      }
    },
    // The captions the engine's tables hold, keyed as the page's data-caption attributes.
    async captions() {
      return JSON.parse((await instance).UTF8ToString((await instance)._mixdesign_captions()));
    },
  };
}
