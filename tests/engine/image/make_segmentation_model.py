#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a tiny ONNX segmentation model whose mask is a known function of the pixels:

    mask = sigmoid(gain * R' + bias)

where R' is the normalised red channel of the 1 x 3 x H x W input. The mask passes through a flat reshape
of exactly H * W elements, so the model only runs at the input size it was built for. With --dynamic the
declared input size is symbolic and only a sidecar can tell it.
"""
import argparse

import numpy as np
import onnx
from onnx import TensorProto, helper, numpy_helper

parser = argparse.ArgumentParser()
parser.add_argument("output")
parser.add_argument("--width", type=int, required=True)
parser.add_argument("--height", type=int, required=True)
parser.add_argument("--gain", type=float, default=4.0)
parser.add_argument("--bias", type=float, default=0.0)
parser.add_argument("--dynamic", action="store_true")
args = parser.parse_args()

w, h = args.width, args.height
declared = [1, 3, "height", "width"] if args.dynamic else [1, 3, h, w]
inputs = [helper.make_tensor_value_info("image", TensorProto.FLOAT, declared)]
outputs = [helper.make_tensor_value_info("mask", TensorProto.FLOAT, [1, 1, h, w])]
weights = np.array([args.gain, 0.0, 0.0], dtype=np.float32).reshape(1, 3, 1, 1)
initializers = [
    numpy_helper.from_array(weights, "red_weight"),
    numpy_helper.from_array(np.array([args.bias], dtype=np.float32), "red_bias"),
    numpy_helper.from_array(np.array([1, h * w], dtype=np.int64), "flat_shape"),
    numpy_helper.from_array(np.array([1, 1, h, w], dtype=np.int64), "mask_shape"),
]
nodes = [
    helper.make_node("Conv", ["image", "red_weight", "red_bias"], ["red"], kernel_shape=[1, 1]),
    helper.make_node("Reshape", ["red", "flat_shape"], ["flat"]),
    helper.make_node("Sigmoid", ["flat"], ["probability"]),
    helper.make_node("Reshape", ["probability", "mask_shape"], ["mask"]),
]
graph = helper.make_graph(nodes, "red_subject", inputs, outputs, initializers)
model = helper.make_model(graph, opset_imports=[helper.make_opsetid("", 11)])
model.ir_version = 7
onnx.checker.check_model(model)
onnx.save(model, args.output)
