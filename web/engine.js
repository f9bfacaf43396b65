// The engine in WebAssembly behind one call. Texts go through heap memory that is freed after
// the call, so no length of text can overrun the engine's small stack; an engine that traps all
// the same is replaced by a fresh instance, so one bad input never costs the page its calculator.
import createEngine from './mixdesign.mjs';

function run(module, args) {
  const allocated = [];
  try {
    const values = args.map((value) => {
      if (typeof value !== 'string')
        return value;
      const size = module.lengthBytesUTF8(value) + 1;
      const pointer = module._malloc(size);
      allocated.push(pointer);
      module.stringToUTF8(value, pointer, size);
      return pointer;
    });
    return module.UTF8ToString(module._mixdesign_calculate(...values));
  } finally {
    allocated.forEach((pointer) => module._free(pointer));
  }
}

// `args`: strength, cube, cylinder, slump, stone, admixture, no admixture, dose, moisture (the
// check states as 0 or 1), then the planner's volume, waste, bag kg, basket, pail and bags per batch.
export function makeEngine(options = {}) {
  let instance = createEngine(options);
  return {
    get ready() { return instance; },
    // The engine's JSON as it wrote it.
    async calculateText(args) {
      try {
        return run(await instance, args);
      } catch (error) {
        instance = createEngine(options);
        console.warn('engine restarted:', error);
        return run(await instance, args);
      }
    },
    async calculate(args) {
      return JSON.parse(await this.calculateText(args));
    },
  };
}
